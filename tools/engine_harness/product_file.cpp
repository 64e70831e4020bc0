// The harness's text form of a treatment product.
#include "tools/engine_harness/product_file.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "treatment/files/product_file.h"

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Splits on blanks and parses every part as a finite number.
bool ParseNumbers(std::string_view text, std::vector<double>& out) {
    out.clear();
    std::istringstream in{std::string(text)};
    std::string word;
    while (in >> word) {
        char* end = nullptr;
        const double v = std::strtod(word.c_str(), &end);
        if (end == word.c_str() || *end != '\0' || !std::isfinite(v)) return false;
        out.push_back(v);
    }
    return true;
}

template <size_t N>
void SetText(char (&dst)[N], std::string_view s) {
    std::memset(dst, 0, N);
    std::memcpy(dst, s.data(), std::min(s.size(), N - 1));
}

float* ComponentNumber(ProductRecord& r, std::string_view key) {
    static const struct {
        const char* key;
        float ProductRecord::*field;
    } kFloats[] = {
        {"actives", &ProductRecord::activesPercent},
        {"share", &ProductRecord::blendShare},
        {"active_conc", &ProductRecord::activeConc},
        {"driver_limit", &ProductRecord::driverLimit},
        {"c14", &ProductRecord::c14},
        {"c15", &ProductRecord::c15},
        {"c16", &ProductRecord::c16},
        {"c17", &ProductRecord::c17},
        {"term_coefficient4", &ProductRecord::termCoefficient4},
        {"depletion1_rate", &ProductRecord::depletion1Rate},
        {"depletion1_threshold", &ProductRecord::depletion1Threshold},
        {"depletion2_rate", &ProductRecord::depletion2Rate},
        {"depletion2_threshold", &ProductRecord::depletion2Threshold},
        {"ingredient1", &ProductRecord::ingredient1},
        {"ingredient2", &ProductRecord::ingredient2},
        {"ingredient3", &ProductRecord::ingredient3},
        {"dose_scale", &ProductRecord::doseScale},
        {"pka25", &ProductRecord::pKa25},
        {"pka_enthalpy", &ProductRecord::pKaEnthalpy},
    };
    for (const auto& f : kFloats)
        if (key == f.key) return &(r.*f.field);
    if (key.size() >= 2 && key.size() <= 3 && key[0] == 'c') {
        const int n = std::atoi(std::string(key.substr(1)).c_str());
        if (n >= 1 && n <= 12 && key.substr(1) == std::to_string(n)) return &r.c[n - 1];
    }
    return nullptr;
}

// Integer fields of a component; false when the key is not one of them or the
// value does not fit.
bool SetComponentInteger(ProductRecord& r, std::string_view key, double v) {
    if (v != std::floor(v)) return false;
    const auto fits = [v](double lo, double hi) { return v >= lo && v <= hi; };
    if (key == "treated" && fits(0, 65535))
        r.treatedIndex = static_cast<uint16_t>(v);
    else if (key == "kind" && fits(0, 65535))
        r.modelKind = static_cast<uint16_t>(v);
    else if (key == "dose_mode" && fits(0, 65535))
        r.doseMode = static_cast<uint16_t>(v);
    else if (key == "limit_code" && fits(-32768, 32767))
        r.limitCode = static_cast<int16_t>(v);
    else if (key == "mode" && fits(-32768, 32767))
        r.productMode = static_cast<int16_t>(v);
    else if (key == "energy_form" && fits(-32768, 32767))
        r.energyForm = static_cast<int16_t>(v);
    else if (key == "result_switch" && fits(-32768, 32767))
        r.resultSwitch = static_cast<int16_t>(v);

    else
        return false;
    return true;
}

void NewComponent(ProductRecord& r) {
    for (int t = 0; t < kDoseTermCount; ++t) r.termLower[t] = r.termUpper[t] = kUnsetLimit;
}

struct Parser {
    ProductTable& table;
    int components = 0;
    int limits = 0;
    int terms = 0;
    int componentLimits = 0;
    std::string error;

    bool Header(std::string_view key, std::string_view value, const std::vector<double>& nums,
                bool numeric) {
        ProductRecord& first = table.records[0];
        if (key == "name")
            SetText(first.name, value);
        else if (key == "file")
            SetText(first.fileName, value);
        else if (key == "function")
            SetText(first.functionText, value);
        else if (key == "base_code" && numeric && nums.size() == 1 &&
                 nums[0] == std::floor(nums[0]) && std::fabs(nums[0]) <= 32767)
            table.baseRecordCode = static_cast<int16_t>(nums[0]);
        else if (key == "header_value" && numeric && nums.size() == 1)
            table.headerValue = static_cast<float>(nums[0]);
        else if (key == "header_limit" && numeric && nums.size() == 1)
            table.headerLimit = static_cast<float>(nums[0]);
        else if (key == "limit") {
            if (!numeric || nums.size() != 3 || nums[0] != std::floor(nums[0]) ||
                std::fabs(nums[0]) > 32767) {
                error = "limit needs a code, a lower and an upper bound";
                return false;
            }
            if (limits == kLimitSlotCount) {
                error = "more than 30 limits";
                return false;
            }
            table.limits[limits++] =
                LimitSlot{static_cast<int16_t>(nums[0]), 1, static_cast<float>(nums[1]),
                          static_cast<float>(nums[2])};
        } else {
            error = "unknown or malformed product line \"" + std::string(key) + "\"";
            return false;
        }
        return true;
    }

    bool Component(std::string_view key, std::string_view value, const std::vector<double>& nums,
                   bool numeric) {
        ProductRecord& r = table.records[components - 1];
        if (key == "name") {
            SetText(r.name, value);
            return true;
        }
        if (key == "file" || key == "function") {
            if (components == 1) {
                error = "the first component's file and function are the product's";
                return false;
            }
            SetText(key == "file" ? r.fileName : r.functionText, value);
            return true;
        }
        if (key == "component_limit") {
            const bool shape = numeric && (nums.size() == 3 || nums.size() == 4) &&
                               nums[0] == std::floor(nums[0]) && std::fabs(nums[0]) <= 32767 &&
                               (nums.size() == 3 || (nums[3] == std::floor(nums[3]) &&
                                                     nums[3] >= 0 && nums[3] <= 65535));
            if (!shape) {
                error = "component_limit needs a code, a lower and an upper bound";
                return false;
            }
            if (componentLimits == kComponentLimitCount) {
                error = "more than 7 component limits";
                return false;
            }
            ComponentLimit& l = r.componentLimits[componentLimits++];
            l.code = static_cast<int16_t>(nums[0]);
            l.lower = static_cast<float>(nums[1]);
            l.upper = static_cast<float>(nums[2]);
            l.word = nums.size() == 4 ? static_cast<uint16_t>(nums[3]) : 0;
            return true;
        }
        if (key == "term") {
            if (!numeric || (nums.size() != 2 && nums.size() != 4) || nums[0] < 0 ||
                nums[0] > 65535 || nums[0] != std::floor(nums[0]) ||
                nums[1] != std::floor(nums[1]) || std::fabs(nums[1]) > 32767) {
                error = "term needs a code and a transform, optionally a lower and an upper bound";
                return false;
            }
            if (terms == kDoseTermCount) {
                error = "more than 6 terms";
                return false;
            }
            r.termCode[terms] = static_cast<uint16_t>(nums[0]);
            r.termTransform[terms] = static_cast<int16_t>(nums[1]);
            if (nums.size() == 4) {
                r.termLower[terms] = static_cast<float>(nums[2]);
                r.termUpper[terms] = static_cast<float>(nums[3]);
            }
            ++terms;
            return true;
        }
        if (!numeric || nums.size() != 1) {
            error = "\"" + std::string(key) + "\" needs one number";
            return false;
        }
        if (float* f = ComponentNumber(r, key)) {
            *f = static_cast<float>(nums[0]);
            return true;
        }
        if (SetComponentInteger(r, key, nums[0])) return true;
        error = "unknown component key \"" + std::string(key) + "\" or value out of range";
        return false;
    }

    bool Line(std::string_view line) {
        if (line == "component") {
            if (components == kProductRecordCount) {
                error = "more than 28 components";
                return false;
            }
            NewComponent(table.records[components++]);
            terms = 0;
            componentLimits = 0;
            return true;
        }
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            error = "expected name = value";
            return false;
        }
        const std::string_view key = Trim(line.substr(0, eq));
        const std::string_view value = Trim(line.substr(eq + 1));
        std::vector<double> nums;
        const bool numeric = ParseNumbers(value, nums) && !nums.empty();
        return components == 0 ? Header(key, value, nums, numeric)
                               : Component(key, value, nums, numeric);
    }
};

}  // namespace

ProductFileStatus ParseProductText(std::string_view text, ProductTable& out) {
    auto table = std::make_unique<ProductTable>();
    table->headerLimit = kUnsetLimit;
    table->selection = 0;
    Parser parser{*table, 0, 0, 0, 0, {}};
    int lineNumber = 0;
    while (!text.empty()) {
        const size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text = nl == std::string_view::npos ? std::string_view{} : text.substr(nl + 1);
        ++lineNumber;
        const size_t hash = line.find('#');
        if (hash != std::string_view::npos) line = line.substr(0, hash);
        line = Trim(line);
        if (line.empty()) continue;
        if (!parser.Line(line))
            return ProductFileStatus{false, lineNumber,
                                     "line " + std::to_string(lineNumber) + ": " + parser.error};
    }
    if (parser.components == 0) return ProductFileStatus{false, 0, "the product has no component"};
    table->componentCount = static_cast<int16_t>(parser.components);
    out = *table;
    return ProductFileStatus{};
}

bool NamesProductFile(const std::string& path) {
    if (path.size() < 4) return false;
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ext == ".PRD";
}

ProductFileStatus ReadHarnessProduct(const std::string& path, ProductTable& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return ProductFileStatus{false, 0, "cannot read product file " + path};
    std::ostringstream text;
    text << in.rdbuf();
    const std::string bytes = text.str();
    if (!NamesProductFile(path)) return ParseProductText(bytes, out);
    const ProductFileFault fault =
        DecodeProductFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), out);
    if (fault != ProductFileFault::kNone)
        return ProductFileStatus{
            false, 0, "product file " + path + " refused: " + ProductFileFaultText(fault)};
    return ProductFileStatus{};
}
