# Standard sea water (salinity 35) at 25 C: major ions of the reference composition,
# minor constituents at typical open-ocean values.
reporting = mg/L
alkalinity_mode = 2          # bicarbonate and carbonate given as the ions

ph          = 8.1
temperature = 25 C
pressure    = 1 atm
density     = 1.025 g/mL

sodium      = 10760 mg/L
potassium   = 399 mg/L
calcium     = 412 mg/L
magnesium   = 1290 mg/L
strontium   = 7.9 mg/L
barium      = 0.01 mg/L
lithium     = 0.18 mg/L
chloride    = 19350 mg/L
sulfate     = 2710 mg/L
bromine     = 67 mg/L
fluoride    = 1.3 mg/L
boron       = 4.5 mg/L as B
silica      = 2 mg/L as SiO2
bicarbonate = 140 mg/L as HCO3
# Total alkalinity as CaCO3 of the bicarbonate: 140 x 50.0445 / 61.0173.
alkalinity  = 114.8 mg/L as CaCO3
