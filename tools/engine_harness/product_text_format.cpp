// Writing a product table in the harness's text form. Numbers are written with
// nine significant digits, which read back to the same single-precision value;
// fields that are zero are left out (the parser's start values), so a product
// packed into a file and shown again gives back its text.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/engine_harness/product_file.h"

namespace {

// The shortest of six to nine significant digits that reads back to the same
// single-precision value (integers and other doubles print exactly as well).
std::string Number(double v) {
    char text[40];
    for (int digits = 6; digits <= 9; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, v);
        if (static_cast<float>(std::strtod(text, nullptr)) == static_cast<float>(v)) break;
    }
    return text;
}

template <size_t N>
std::string Text(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

struct Lines {
    std::string out;
    void Put(const std::string& key, const std::string& value) {
        out += key + " = " + value + "\n";
    }
    void NonZero(const char* key, double v) {
        if (v != 0.0) Put(key, Number(v));
    }
    void TextIf(const char* key, const std::string& value) {
        if (!value.empty()) Put(key, value);
    }
};

void Component(const ProductRecord& r, bool first, Lines& l) {
    l.out += "component\n";
    if (!first) {
        l.TextIf("name", Text(r.name));
        l.TextIf("file", Text(r.fileName));
        l.TextIf("function", Text(r.functionText));
    }
    l.NonZero("mode", r.productMode);
    l.NonZero("limit_code", r.limitCode);
    l.Put("treated", Number(r.treatedIndex));
    l.Put("kind", Number(r.modelKind));
    l.NonZero("actives", r.activesPercent);
    l.NonZero("share", r.blendShare);
    l.NonZero("active_conc", r.activeConc);
    for (int i = 0; i < 12; ++i) l.NonZero(("c" + std::to_string(i + 1)).c_str(), r.c[i]);
    l.NonZero("driver_limit", r.driverLimit);
    l.NonZero("c14", r.c14);
    l.NonZero("c15", r.c15);
    l.NonZero("c16", r.c16);
    l.NonZero("c17", r.c17);
    l.NonZero("term_coefficient4", r.termCoefficient4);
    l.NonZero("depletion1_rate", r.depletion1Rate);
    l.NonZero("depletion1_threshold", r.depletion1Threshold);
    l.NonZero("depletion2_rate", r.depletion2Rate);
    l.NonZero("depletion2_threshold", r.depletion2Threshold);
    l.NonZero("ingredient1", r.ingredient1);
    l.NonZero("ingredient2", r.ingredient2);
    l.NonZero("ingredient3", r.ingredient3);
    l.NonZero("energy_form", r.energyForm);
    l.NonZero("dose_scale", r.doseScale);
    l.NonZero("dose_mode", r.doseMode);
    l.NonZero("pka25", r.pKa25);
    l.NonZero("pka_enthalpy", r.pKaEnthalpy);
    l.NonZero("result_switch", r.resultSwitch);
    for (int t = 0; t < kDoseTermCount; ++t) {
        if (r.termCode[t] == 0 && r.termTransform[t] == 0) continue;
        l.Put("term", Number(r.termCode[t]) + " " + Number(r.termTransform[t]) + " " +
                          Number(r.termLower[t]) + " " + Number(r.termUpper[t]));
    }
    for (const ComponentLimit& c : r.componentLimits) {
        if (c.code == 0 && c.word == 0 && c.lower == 0.0f && c.upper == 0.0f) continue;
        l.Put("component_limit", Number(c.code) + " " + Number(c.lower) + " " + Number(c.upper) +
                                     (c.word != 0 ? " " + Number(c.word) : ""));
    }
}

}  // namespace

std::string FormatProductText(const ProductTable& t) {
    Lines l;
    const ProductRecord& first = t.records[0];
    l.Put("name", Text(first.name));
    l.Put("file", Text(first.fileName));
    l.Put("function", Text(first.functionText));
    l.NonZero("base_code", t.baseRecordCode);
    l.Put("header_value", Number(t.headerValue));
    l.Put("header_limit", Number(t.headerLimit));
    for (const LimitSlot& s : t.limits)
        if (s.enabled != 0)
            l.Put("limit", Number(s.limitCode) + " " + Number(s.lower) + " " + Number(s.upper));
    const int count = t.componentCount < 0                     ? 0
                      : t.componentCount > kProductRecordCount ? kProductRecordCount
                                                               : t.componentCount;
    for (int k = 0; k < count; ++k) Component(t.records[k], k == 0, l);
    return l.out;
}
