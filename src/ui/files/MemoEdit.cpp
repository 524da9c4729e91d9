#include "ui/files/MemoEdit.h"

#include "case/IncidentEditing.h"
#include "ui/app/Cp1252Text.h"

#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace zorvane::ui {
namespace {

// What one character of the document takes in the record.
int storedWeight(QChar c) {
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == '\n') return 2;
    return c.isLowSurrogate() ? 0 : 1; // a pair is one character
}

} // namespace

MemoEdit::MemoEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { trimInsertion(position, added); });
}

void MemoEdit::setMaxLength(int length) {
    maxLength_ = length;
    trimInsertion(0, document()->characterCount());
}

void MemoEdit::trimInsertion(int position, int added) {
    if (trimming_ || added <= 0) return;
    const auto stored = static_cast<long long>(storedCircumstancesLength(toCp1252(toPlainText())));
    long long excess = stored - maxLength_;
    if (excess <= 0) return;
    // Only what was just inserted goes, from its end, so what was there stays as it was.
    const int end = std::min(position + added, document()->characterCount() - 1);
    int from = end;
    while (from > position && excess > 0) excess -= storedWeight(document()->characterAt(--from));
    if (from > position && document()->characterAt(from).isLowSurrogate()) --from;
    const QScopedValueRollback guard(trimming_, true);
    QTextCursor cut(document());
    cut.setPosition(from);
    cut.setPosition(end, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
}

} // namespace zorvane::ui
