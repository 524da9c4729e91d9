#include "files/ImportOptionsTexts.h"

#include "text/IntegerText.h"

namespace zorvane {
namespace {

template <std::size_t N> ImportTabTexts tabTexts(const ImportFormat<N>& f) {
    ImportTabTexts t;
    for (const ImportField& field : f.fields) {
        t.columns.push_back(std::to_string(field.column));
        t.prefixes.push_back(field.prefix.str());
    }
    t.renumber = f.renumber;
    t.renumberFrom = std::to_string(f.renumberFrom);
    t.separator = f.separator.str();
    return t;
}

template <std::size_t N>
std::optional<ImportTextError> storeTab(ImportFormat<N>& f, const ImportTabTexts& t, CaseMode tab) {
    ImportFormat<N> out = f;
    for (std::size_t i = 0; i < N; ++i) {
        const std::string column = i < t.columns.size() ? t.columns[i] : std::string();
        const auto value = parseInteger(column);
        if (!value) return ImportTextError{tab, static_cast<int>(i), invalidIntegerMessage(column)};
        out.fields[i].column = *value;
        out.fields[i].prefix = i < t.prefixes.size() ? std::string_view(t.prefixes[i]) : "";
    }
    const auto first = parseInteger(t.renumberFrom);
    if (!first) return ImportTextError{tab, -1, invalidIntegerMessage(t.renumberFrom)};
    out.renumber = t.renumber;
    out.renumberFrom = *first;
    out.separator = t.separator;
    f = out;
    return std::nullopt;
}

} // namespace

ImportOptionsTexts importOptionsTexts(const ImportOptions& o) {
    return {tabTexts(o.xyz), tabTexts(o.polar), tabTexts(o.nesw)};
}

std::optional<ImportTextError> storeImportOptionsTexts(ImportOptions& options,
                                                       const ImportOptionsTexts& texts) {
    ImportOptions out = options;
    if (auto e = storeTab(out.xyz, texts.xyz, CaseMode::Xyz)) return e;
    if (auto e = storeTab(out.polar, texts.polar, CaseMode::Polar)) return e;
    if (auto e = storeTab(out.nesw, texts.nesw, CaseMode::Nesw)) return e;
    options = out;
    return std::nullopt;
}

} // namespace zorvane
