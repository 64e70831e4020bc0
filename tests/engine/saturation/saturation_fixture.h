// A hand-made speciated water for the tests of the saturation and result stage:
// species molalities and activity coefficients set one by one, the solubility
// products at 25 C, and the scalars the stage reads.
#pragma once

#include <cmath>
#include <cstring>

#include "engine/speciation/speciated_water.h"

struct TestWater {
    SpeciesRecord species[kSpeciesCount];
    SpeciesTable table;
    double reactionK[kReactionCount];
    SpeciatedWater w;

    TestWater() {
        std::memset(species, 0, sizeof species);
        std::memset(&table, 0, sizeof table);
        for (double& k : reactionK) k = 1.0;
        for (SpeciesRecord& s : species) s.gamma = 1.0;
        w = SpeciatedWater{};
        w.species = species;
        w.speciesTable = &table;
        w.reactionK = reactionK;
        w.waterActivity = 1.0;
        w.logWaterActivity = 0.0;
        w.temperatureC = 25.0;
        w.temperatureF = 77.0;
        w.temperatureK = 298.16;
        w.pressurePsia = 14.696;
        w.massFactor = 1000.0;
        w.resultScale = 1.0;
        w.oxalateGamma = 1.0;
        w.pyrophosphateGamma = 1.0;
        w.alkalinityMode = 1;
        // log10 K at 25 C of the minerals and acids, as the engine's tables hold them.
        SetLogK(Rx::kSiderite, -10.45);
        SetLogK(Rx::kMagnesite, -8.029);
        SetLogK(Rx::kCalcite, -8.48);
        SetLogK(Rx::kAnhydrite, -4.3608);
        SetLogK(Rx::kGypsum, -4.5809);
        SetLogK(Rx::kBrucite, -11.16);
        SetLogK(Rx::kAragonite, -8.3361);
        SetLogK(Rx::kMagnesiumSilicate, -16.658);
        SetLogK(Rx::kCarbonicAcid1, -6.352);
        SetLogK(Rx::kFluorite, -10.5996);
        SetLogK(Rx::kHalite, 1.582);
        SetLogK(Rx::kThenardite, -0.179);
        SetLogK(Rx::kMackinawite, -4.648);
        SetLogK(Rx::kCarbonicAcid2, -10.329);
        SetLogK(Rx::kHydroxyapatite, -52.76);
        SetLogK(Rx::kAmorphousSilica, -2.71);
        SetLogK(Rx::kIronHydroxide, 4.891);
        SetLogK(Rx::kStrontianite, -9.2705);
        SetLogK(Rx::kCelestite, -6.6321);
        SetLogK(Rx::kBarite, -9.9702);
        SetLogK(Rx::kWitherite, -8.5616);
        SetLogK(Rx::kStrengite, -26.4);
        SetLogK(Rx::kWater, -14.0);
        SetLogK(Rx::kZincCarbonate, -10.0);
        SetLogK(Rx::kZincHydroxide, 12.45);
        for (int r = Rx::kZincOH; r <= Rx::kZincSO4x2; ++r) SetLogK(r, -9.0);
    }
    TestWater(const TestWater&) = delete;
    TestWater& operator=(const TestWater&) = delete;

    void SetLogK(int reaction, double logK) { reactionK[reaction] = std::pow(10.0, logK); }

    // Molality and activity coefficient; the activity follows.
    void Set(int i, double molality, double gamma = 1.0) {
        species[i].molality = molality;
        species[i].gamma = gamma;
        species[i].activity = molality * gamma;
    }
    void Scale(int i, double factor) { Set(i, species[i].molality * factor, species[i].gamma); }

    void SetPh(double ph, double gammaH) {
        w.ph = ph;
        w.startPh = ph;
        Set(Ion::kH, std::pow(10.0, -ph) / gammaH, gammaH);
    }
    void SetWaterActivity(double aw) {
        w.waterActivity = aw;
        w.logWaterActivity = std::log10(aw);
    }

    // A brackish water at pH 8 with moderate activity coefficients: every mineral of
    // the stage has its ions.
    void FillBrackish() {
        SetPh(8.0, 0.75);
        Set(Ion::kCa, 1e-2, 0.25);
        Set(Ion::kMg, 5e-2, 0.28);
        Set(Ion::kNa, 0.4, 0.7);
        Set(Ion::kK, 1e-2, 0.65);
        Set(Ion::kCl, 0.5, 0.65);
        Set(Ion::kSO4, 2e-2, 0.18);
        Set(Ion::kHCO3, 2e-3, 0.7);
        Set(Ion::kCO3, 1e-4, 0.2);
        Set(Ion::kFe, 1e-5, 0.25);
        Set(Ion::kFe3, 1e-15, 0.05);
        Set(Ion::kH4SiO4, 1e-4, 1.0);
        Set(Ion::kOH, 1.7e-6, 0.7);
        Set(Ion::kPO4, 1e-9, 0.05);
        Set(Ion::kHPO4, 1e-6, 0.2);
        Set(Ion::kF, 5e-5, 0.7);
        Set(Ion::kHS, 1e-5, 0.7);
        Set(Ion::kSr, 1e-4, 0.25);
        Set(Ion::kBa, 1e-6, 0.24);
        Set(Ion::kZn, 1e-5, 0.26);
        Set(Ion::kCO2, 1e-4, 1.0);
        w.oxalate = 1e-6;
        w.oxalateGamma = 0.22;
        w.pyrophosphate = 1e-7;
        w.pyrophosphateGamma = 0.03;
        w.ionicStrength = 0.55;
        w.sqrtIonicStrength = std::sqrt(0.55);
        w.calciumTotal = 1.1e-2;
        w.alkalinityTotal = 2.3e-3;
        w.carbonateTotal = 2e-4;
        w.bicarbonateTotal = 2.1e-3;
        w.hydroxideTotal = 1.8e-6;
        w.sulfateTotal = 3e-2;
        w.chlorideTotal = 0.5;
        w.phosphateTotal = 2e-6;
        w.bariumTotal = 1.2e-6;
        w.ironTotal = 1.1e-5;
        w.magnesiumTotal = 5.5e-2;
        w.strontiumTotal = 1.1e-4;
    }
};
