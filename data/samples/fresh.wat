# A fresh surface (river) water of world-average composition, reported in ppm, with
# the M alkalinity given as CaCO3.
reporting = ppm
alkalinity_mode = 1

ph          = 7.5
temperature = 15 C

calcium     = 15 ppm
magnesium   = 4.1 ppm
sodium      = 6.3 ppm
potassium   = 2.3 ppm
iron        = 0.67 ppm
chloride    = 7.8 ppm
sulfate     = 11.2 ppm
nitrate     = 1.0 ppm
silica      = 13.1 ppm as SiO2
# M alkalinity as CaCO3 of 58.4 mg/L bicarbonate: 58.4 x 50.0445 / 61.0173.
bicarbonate = 47.9 as CaCO3
alkalinity  = 47.9
