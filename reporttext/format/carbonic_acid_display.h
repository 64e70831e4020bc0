// The dissolved carbonic acid of a water as its rows show it. The engine keeps
// it in mg/L as H2CO3 (analysis element 43, the dissolved-CO2 figures of the
// profiles and blends); rows captioned "Dissolved CO2 (as CO2)" show it as CO2,
// rows captioned "Acidity" show it in the unit of the alkalinity entry mode,
// one equivalent per mole (the acidity of free CO2 to the bicarbonate end point).
#pragma once

// The engine keeps the carbonic acid (and the acidity beside it) per kilogram
// of solution in every basis, where it gives the ions and the alkalinity in
// the reporting basis. The amount in the basis `reportingMode`: per kilogram
// in ppm and epm; per litre otherwise (times the water's result scale,
// analysis element 44, its specific gravity), as the ions beside it are.
[[nodiscard]] double CarbonicAcidInBasis(double h2co3MgKg, int reportingMode, double resultScale);

// mg/L as H2CO3 -> mg/L as CO2.
[[nodiscard]] double CarbonicAcidAsCo2(double h2co3MgL);

// mg/L as H2CO3 -> acidity in the unit of alkalinity entry mode `mode`: 1 mg/L as
// CaCO3, 4 ml of N/30 acid, 5 epm, 6 French degrees, 7 German degrees. The modes
// that show the species (2 and 3) get the CO2 of CarbonicAcidAsCo2; any other
// mode shows the value as kept.
[[nodiscard]] double CarbonicAcidShown(double h2co3MgL, int mode);
