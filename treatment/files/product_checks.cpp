// The checks of a product before it is used (product_checks.h).
#include "treatment/files/product_checks.h"

#include <cmath>
#include <cstdio>
#include <iterator>
#include <vector>

namespace {

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

// "" when v is finite and within low to high; else the reason.
std::string Outside(const char* what, float v, double low, double high) {
    if (std::isnan(v)) return std::string(what) + " is not a number";
    if (!std::isfinite(v)) return std::string(what) + " is infinite";
    if (v < low && std::isinf(high) && low == 0.0)
        return std::string(what) + " of " + Number(v) + " is negative";
    if (v < low || v > high)
        return std::string(what) + " of " + Number(v) + " is outside " + Number(low) + " to " +
               Number(high);
    return {};
}

// A limit is -99 (unset) or any finite value.
std::string BadLimit(const char* what, float v) {
    return Outside(what, v, -HUGE_VAL, HUGE_VAL);
}

std::string ComponentFault(const ProductRecord& r) {
    if (!PrintableText(r.name, sizeof r.name)) return "its name is not printable text";
    if (!PrintableText(r.fileName, sizeof r.fileName)) return "its file name is not printable text";
    if (!PrintableText(r.functionText, sizeof r.functionText))
        return "its function text is not printable text";
    // Percent of actives, fractions of the ingredients, concentration and share
    // of the active: the dose model's figures.
    struct Figure {
        const char* what;
        float value;
        double low;
        double high;
    };
    const Figure figures[] = {
        {"actives", r.activesPercent, 0.0, 100.0},
        {"the blend share", r.blendShare, 0.0, HUGE_VAL},
        {"the active concentration", r.activeConc, 0.0, 100.0},
        {"the first ingredient", r.ingredient1, 0.0, 1.0},
        {"the second ingredient", r.ingredient2, 0.0, 1.0},
        {"the third ingredient", r.ingredient3, 0.0, 1.0},
    };
    for (const Figure& f : figures)
        if (std::string why = Outside(f.what, f.value, f.low, f.high); !why.empty()) return why;
    // Every other real of the dose model only has to be a number.
    const float others[] = {r.pKa25,
                            r.pKaEnthalpy,
                            r.driverLimit,
                            r.c14,
                            r.c15,
                            r.c16,
                            r.c17,
                            r.termCoefficient4,
                            r.depletion2Rate,
                            r.depletion2Threshold,
                            r.depletion1Rate,
                            r.depletion1Threshold,
                            r.doseScale};
    for (float v : others)
        if (std::string why = BadLimit("a dose model figure", v); !why.empty()) return why;
    for (float v : r.c)
        if (std::string why = BadLimit("a dose model coefficient", v); !why.empty()) return why;
    for (int t = 0; t < kDoseTermCount; ++t)
        for (float v : {r.termLower[t], r.termUpper[t]})
            if (std::string why = BadLimit("a term bound", v); !why.empty()) return why;
    for (const ComponentLimit& l : r.componentLimits)
        for (float v : {l.lower, l.upper})
            if (std::string why = BadLimit("a limit", v); !why.empty()) return why;
    return {};
}

}  // namespace

bool PrintableText(const char* slot, size_t size) {
    for (size_t k = 0; k < size; ++k) {
        const auto c = static_cast<unsigned char>(slot[k]);
        if (c == 0) return true;
        if (c < 0x20 || c == 0x7F) return false;
    }
    return false;  // no end within the slot
}

std::string ProductNumbersFault(const ProductTable& t, double largest) {
    std::vector<float> reals = {t.headerValue, t.headerLimit};
    for (const LimitSlot& s : t.limits) reals.insert(reals.end(), {s.lower, s.upper});
    for (const ProductRecord& r : t.records) {
        reals.insert(reals.end(),
                     {r.activesPercent, r.blendShare, r.pKa25, r.pKaEnthalpy, r.activeConc,
                      r.driverLimit, r.c14, r.c15, r.c16, r.c17, r.termCoefficient4,
                      r.depletion2Rate, r.depletion2Threshold, r.ingredient2, r.ingredient3,
                      r.depletion1Rate, r.depletion1Threshold, r.ingredient1, r.doseScale});
        reals.insert(reals.end(), std::begin(r.c), std::end(r.c));
        reals.insert(reals.end(), std::begin(r.termLower), std::end(r.termLower));
        reals.insert(reals.end(), std::begin(r.termUpper), std::end(r.termUpper));
        for (const ComponentLimit& l : r.componentLimits)
            reals.insert(reals.end(), {l.lower, l.upper});
    }
    for (float v : reals) {
        if (!std::isfinite(v)) return "it holds a number that is not finite";
        if (std::fabs(v) > largest) return "it holds a number beyond any the program stores";
    }
    return {};
}

std::string ProductTableFault(const ProductTable& t, int checkedComponents) {
    if (std::string why = Outside("the header value", t.headerValue, 0.0, HUGE_VAL); !why.empty())
        return why;
    if (t.headerLimit != kUnsetLimit)
        if (std::string why = Outside("the header limit", t.headerLimit, 0.0, HUGE_VAL);
            !why.empty())
            return why;
    for (const LimitSlot& s : t.limits)
        for (float v : {s.lower, s.upper})
            if (std::string why = BadLimit("a limit", v); !why.empty()) return why;
    const int n = checkedComponents < kProductRecordCount ? checkedComponents : kProductRecordCount;
    for (int k = 0; k < n; ++k)
        if (std::string why = ComponentFault(t.records[k]); !why.empty())
            return "component " + std::to_string(k + 1) + ": " + why;
    return {};
}
