#include "files/PlainPointImport.h"

#include "files/ImportNumbering.h"
#include "files/ImportText.h"
#include "files/ImportedCaseBuilder.h"
#include "units/LengthFormatter.h"

#include <algorithm>
#include <array>

namespace zorvane {
namespace {

constexpr bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

std::string_view unquoted(std::string_view field) {
    field = trimmed(field);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = trimmed(field.substr(1, field.size() - 2));
    return field;
}

// The first four fields and the rest of the line.
struct Fields {
    std::array<std::string_view, 4> values;
    std::string_view rest;
};

std::optional<Fields> splitAt(std::string_view line, char separator) {
    Fields f;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t at = line.find(separator);
        if (at == std::string_view::npos && i < 3) return std::nullopt;
        f.values[i] = unquoted(line.substr(0, at));
        line = at == std::string_view::npos ? std::string_view() : line.substr(at + 1);
    }
    f.rest = unquoted(line);
    return f;
}

std::optional<Fields> splitAtBlanks(std::string_view line) {
    Fields f;
    for (std::size_t i = 0; i < 4; ++i) {
        while (!line.empty() && isSpace(line.front())) line.remove_prefix(1);
        if (line.empty()) return std::nullopt;
        const auto end = std::find_if(line.begin(), line.end(), isSpace);
        const auto size = static_cast<std::size_t>(end - line.begin());
        f.values[i] = unquoted(line.substr(0, size));
        line.remove_prefix(size);
    }
    f.rest = unquoted(line);
    return f;
}

std::optional<double> number(std::string_view text, bool commaToo) {
    if (auto v = parseDecimal(text, '.')) return v;
    if (commaToo) return parseDecimal(text, ',');
    return std::nullopt;
}

std::optional<PlainPoint> pointOf(const Fields& f, PlainPointOrder order, bool commaToo) {
    const auto a = number(f.values[1], commaToo);
    const auto b = number(f.values[2], commaToo);
    const auto z = number(f.values[3], commaToo);
    if (!a || !b || !z) return std::nullopt;
    const bool northFirst = order == PlainPointOrder::Pnezd;
    return PlainPoint{f.values[0], northFirst ? *b : *a, northFirst ? *a : *b, *z, f.rest};
}

bool hasDigit(std::string_view line) {
    return std::any_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class PlainCaseBuilder {
  public:
    PlainCaseBuilder(PlainPointOrder order, std::int32_t lastPointNumber)
        : order_(order), numbering_(lastPointNumber), case_(CaseMode::Xyz) {}

    void line(std::string_view raw, std::size_t number) {
        const std::string_view line = trimmed(raw);
        if (line.empty()) return;
        const bool first = !seenLine_;
        seenLine_ = true;
        if (const auto p = readPlainPoint(line, order_)) return add(*p);
        if (first && !hasDigit(line)) return; // column titles
        case_.reject(number, line);
    }

    ImportedCase finish() {
        ImportedCase c = case_.finish();
        c.lastPointNumber = numbering_.finish(c.points);
        return c;
    }

  private:
    void add(const PlainPoint& p) {
        PointRecord r;
        r.m1 = p.easting, r.m2 = p.northing, r.m3 = p.elevation;
        r.descriptor = p.description;
        const std::size_t index = case_.points().size();
        if (p.id.empty())
            numbering_.numberLater(index);
        else
            numbering_.number(r, p.id, index);
        case_.add(r);
    }

    PlainPointOrder order_;
    bool seenLine_ = false;
    ImportNumbering numbering_;
    ImportedCaseBuilder case_;
};

} // namespace

std::optional<PlainPoint> readPlainPoint(std::string_view line, PlainPointOrder order) {
    line = trimmed(line);
    // Commas first: where they do not give a point, they may be decimal commas.
    for (const char separator : {',', ';'}) {
        if (line.find(separator) == std::string_view::npos) continue;
        if (const auto f = splitAt(line, separator))
            if (auto p = pointOf(*f, order, separator != ',')) return p;
    }
    if (const auto f = splitAtBlanks(line)) return pointOf(*f, order, true);
    return std::nullopt;
}

std::optional<ImportedCase> importPlainPointText(std::string_view bytes, PlainPointOrder order,
                                                 const ProgramOptions& program,
                                                 const ProgressCallback& progress, double from,
                                                 double to) {
    const ImportText text = decodeImportText(bytes);
    ProgressMeter meter(progress, text.bytes.size(), from, to);
    PlainCaseBuilder builder(order, lastNumberOfNewCase(program));
    const bool done =
        forEachImportLine(text, meter, [&](std::string_view line, std::size_t number) {
            builder.line(line, number);
        });
    if (!done) return std::nullopt;
    return builder.finish();
}

} // namespace zorvane
