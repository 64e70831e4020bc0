# A sour produced water at the wellhead: CO2 and H2S in the gas, for the
# corrosion and dose commands.
reporting = mg/L
alkalinity_mode = 2

ph          = 5.5
temperature = 60 C
pressure    = 20 bar
pco2        = 2 bar
ph2s        = 0.05 bar
h2s         = 30 mg/L as H2S

sodium      = 18500
potassium   = 250
calcium     = 2000
magnesium   = 300
strontium   = 150
barium      = 40
iron        = 15
chloride    = 33000
sulfate     = 500
bicarbonate = 600 as HCO3
# Total alkalinity as CaCO3 of the bicarbonate: 600 x 50.0445 / 61.0173.
alkalinity  = 492.1
