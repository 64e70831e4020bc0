# A North Sea formation brine rich in barium and strontium (the composition often
# used in barite and celestite scaling studies), at reservoir conditions.
alkalinity_mode = 2

ph          = 6.5
temperature = 200            # degrees F, the default unit
pressure    = 3000 psia
density     = 1.06 g/mL

sodium      = 29370
potassium   = 372
calcium     = 2809
magnesium   = 504
strontium   = 574
barium      = 252
chloride    = 52360
sulfate     = 0
bicarbonate = 496 as HCO3
# Total alkalinity as CaCO3 of the bicarbonate: 496 x 50.0445 / 61.0173.
alkalinity  = 406.8
