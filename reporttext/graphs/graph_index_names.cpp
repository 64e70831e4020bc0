// The shared titles of the non-mineral graph codes and the pH-control chemicals.
#include "reporttext/graphs/graph_index_names.h"

#include <iterator>

namespace {

struct IndexTitle {
    int code;
    const char* title;
};

constexpr IndexTitle kIndexTitles[] = {
    {10, "Langelier Saturation Index"},
    {11, "Ryznar Stability Index"},
    {18, "Larson-Skold Corrosivity Index"},
    {31, "Puckorius Equilibrium Index"},
    {40, "Temperature Profile"},
    {41, "pH Profile"},
    {42, "Oddo-Tomson Saturation Index"},
    {43, "Stiff-Davis Saturation Index"},
    {46, "Silt Density Index"},
    {94, "CO^2 - H^2S Corrosion rate"},
    {95, "H^2S Corrosion rate"},
    {96, "Surface Corrosion rate"},
};

constexpr const char* kAcids[] = {"Sulfuric Acid", "Hydrochloric Acid", "Carbon Dioxide"};
constexpr const char* kAlkalis[] = {"Lime", "Soda Ash", "Sodium Bicarbonate", "Caustic Soda",
                                    "Caustic Potash"};

}  // namespace

const char* GraphIndexTitle(int code) {
    for (const IndexTitle& t : kIndexTitles)
        if (t.code == code) return t.title;
    return nullptr;
}

std::string UnmarkedTitle(const char* title) {
    std::string plain;
    for (const char* p = title; *p != '\0'; ++p)
        if (*p != '^') plain.push_back(*p);
    return plain;
}

const char* AcidName(uint16_t chemical) {
    return chemical < std::size(kAcids) ? kAcids[chemical] : "";
}

const char* AlkaliName(uint16_t chemical) {
    return chemical < std::size(kAlkalis) ? kAlkalis[chemical] : "";
}
