#pragma once
// The "Ok", "Cancel" and "Help" buttons at the foot of an options window, right-aligned, Ok the
// default and Cancel closing the window; what Ok and Help do is the window's own.
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace zorvane::ui {

struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
    QPushButton* help;
    QHBoxLayout* row;
};

// `names` are the buttons' object names, Ok first.
inline DialogButtons okCancelHelp(QDialog* dialog, const char* okName, const char* cancelName,
                                  const char* helpName) {
    auto make = [dialog](const char* text, const char* name) {
        auto* b = new QPushButton(text, dialog);
        b->setObjectName(name);
        return b;
    };
    DialogButtons b{make("Ok", okName), make("Cancel", cancelName), make("Help", helpName),
                    new QHBoxLayout};
    b.ok->setDefault(true);
    QObject::connect(b.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    b.row->addStretch();
    for (QPushButton* button : {b.ok, b.cancel, b.help}) b.row->addWidget(button);
    return b;
}

} // namespace zorvane::ui
