// The check boxes of the windows-to-display and print-selection dialogs: the
// box id, the word of its list it stands for, its text and the group it
// belongs to. The templates lay them out; the dialogs map clicks to words.
#pragma once

struct SelectionBox {
    int id;
    int word;
    const char* text;
    int group;  // index into the dialog's group titles
};

inline constexpr const char* kSurfaceGroups[] = {"After Source Water Input",
                                                 "After Vary Temperature", "After Vary pH"};
inline constexpr SelectionBox kSurfaceBoxes[] = {
    {216, 0, "Display Source Water Analysis Window ", 0},
    {217, 1, "Display Source Water Deposition Potential Window", 0},
    {218, 2, "Display Source Water Analysis Window ", 1},
    {219, 3, "Display Source Water Deposition Potential Window", 1},
    {221, 4, "Display Water Analysis versus Temperature Window ", 1},
    {222, 5, "Display Water Deposition Potential versus Temperature Window", 1},
    {224, 6, "Display Source Water Analysis Window ", 2},
    {225, 7, "Display Source Water Deposition Potential Window", 2},
    {226, 8, "Display Water Analysis versus pH Window ", 2},
    {227, 9, "Display Water Deposition Potential versus pH Window", 2},
};

inline constexpr const char* kMixedGroups[] = {
    "After Injection Water", "After Formation Water Input", "After Mix (Injection and Formation)",
    "After Multi-Mix Analysis Input", "After Multi-Mix"};
inline constexpr SelectionBox kMixedBoxes[] = {
    {233, 0, "Display Injection Water Analysis Window ", 0},
    {235, 1, "Display Injection Water Deposition Potential Window", 0},
    {238, 2, "Display Formation Water Analysis Window ", 1},
    {239, 3, "Display Formation Water Deposition Potential Window", 1},
    {244, 6, "Display Water Analysis vs % Window", 2},
    {245, 7, "Display Water Deposition Potential vs % ", 2},
    {248, 4, "Display Source Water Analysese Summary Window ", 3},
    {249, 5, "Display Waters Deposition Potential Summary Window", 3},
    {250, 8, "Display Source Water Analysese Summary Window ", 4},
    {251, 9, "Display Waters Deposition Potential Summary Window", 4},
    {252, 10, "Display Final Mixed Water Analysis", 4},
    {253, 11, "Display Final Mixed Water Deposition Potential ", 4},
};

// The chemistry items stand in three untitled columns: cations, anions and
// the other species, then the conditions and calculated values.
inline constexpr int kChemistryColumns = 3;
inline constexpr int kDosageBox = 282;
inline constexpr int kCorrosionRateBox = 283;
inline constexpr SelectionBox kChemistryBoxes[] = {
    {260, 0, "Calcium", 0},
    {261, 1, "Magnesium", 0},
    {284, 2, "Barium", 0},
    {285, 3, "Strontium", 0},
    {262, 4, "Sodium", 0},
    {263, 5, "Potassium", 0},
    {286, 6, "Lithium", 0},
    {264, 7, "Ammonia", 0},
    {265, 8, "Aluminum", 0},
    {266, 9, "Iron", 0},
    {267, 10, "Boron", 0},
    {288, 11, "Manganese", 0},
    {289, 12, "Zinc", 0},
    {290, 13, "Lead", 0},
    {268, 14, "Chloride", 1},
    {269, 15, "Sulfate", 1},
    {291, 16, "Bromine", 1},
    {271, 17, "Acidity (or CO2)", 1},
    {272, 18, "M Alkalinity (or HCO3)", 1},
    {273, 19, "P Alkalinity (or CO3)", 1},
    {275, 20, "Silica", 1},
    {276, 21, "Sulfide", 1},
    {277, 22, "Phosphate", 1},
    {279, 23, "Nitrate", 1},
    {280, 24, "Fluoride", 1},
    {270, 49, "Oxalate", 1},
    {281, 25, "Calculated T.D.S.", 2},
    {666, 35, "Calculated Conductivity", 2},
    {kDosageBox, 26, "Dosage", 2},
    {kCorrosionRateBox, 27, "Corrosion Rate", 2},
    {292, 28, "Density", 2},
    {293, 29, "Pressure", 2},
    {294, 30, "pCO2", 2},
    {295, 47, "pH2S", 2},
    {296, 31, "Temperature", 2},
    {297, 32, "pH", 2},
};

inline constexpr const char* kIndicatorGroups[] = {"Saturation Levels", "Momentary Excess",
                                                   "Simple Indices and Indicators"};
inline constexpr SelectionBox kIndicatorBoxes[] = {
    {322, 0, "Calcite", 0},
    {323, 1, "Aragonite", 0},
    {298, 2, "Witherite", 0},
    {299, 3, "Strontianite", 0},
    {300, 4, "Magnesite", 0},
    {324, 5, "Anhydrite", 0},
    {325, 6, "Gypsum", 0},
    {301, 7, "Barite", 0},
    {305, 8, "Celestite", 0},
    {350, 9, "Fluorite", 0},
    {330, 10, "Tricalcium phosphate", 0},
    {331, 11, "Hydroxyapatite", 0},
    {326, 12, "Amorphous Silica", 0},
    {327, 13, "Brucite", 0},
    {328, 14, "Magnesium Silicate", 0},
    {332, 15, "Iron hydroxide", 0},
    {333, 16, "Strengite", 0},
    {348, 17, "Siderite", 0},
    {310, 18, "Halite", 0},
    {311, 19, "Thenardite", 0},
    {312, 20, "Iron sulfide", 0},
    {334, 53, "Ca oxalate", 0},
    {336, 21, "Calcite", 1},
    {337, 22, "Aragonite", 1},
    {313, 23, "Witherite", 1},
    {314, 24, "Strontianite", 1},
    {315, 25, "Magnesite", 1},
    {338, 26, "Anhydrite", 1},
    {339, 27, "Gypsum", 1},
    {316, 28, "Barite", 1},
    {317, 29, "Celestite", 1},
    {351, 30, "Fluorite", 1},
    {344, 31, "Tricalcium phosphate", 1},
    {345, 32, "Hydroxyapatite", 1},
    {340, 33, "Amorphous Silica", 1},
    {341, 34, "Brucite", 1},
    {342, 35, "Magnesium Silicate", 1},
    {346, 36, "Iron hydroxide", 1},
    {347, 37, "Strengite", 1},
    {349, 38, "Siderite", 1},
    {318, 39, "Halite", 1},
    {319, 40, "Thenardite", 1},
    {320, 41, "Iron sulfide", 1},
    {335, 54, "Ca oxalate", 1},
    {352, 42, "Langelier", 2},
    {353, 43, "Ryznar", 2},
    {354, 44, "Puckorius", 2},
    {355, 45, "Larson-Skold", 2},
    {321, 46, "Stiff-Davis", 2},
    {554, 47, "Oddo-Tomson", 2},
    {356, 48, "Free vs Total Ca", 2},
    {359, 49, "Free vs Total Ba", 2},
    {357, 50, "Free vs Total CO3", 2},
    {358, 51, "Free vs Total PO4", 2},
    {360, 52, "Free vs Total SO4", 2},
};
