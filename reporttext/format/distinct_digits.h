// Numbers of a row of points that must read apart: the pCO2 over a profile's
// columns and on its graph's axis runs from a few thousandths of an atm to
// whole atm, so the decimals that suit the large points read the small ones
// as 0 or as their neighbour.
#pragma once

#include <string>
#include <vector>

// values[k] with the fewest decimals, `decimals` at least (two significant
// digits for a point that as many read as 0), that tell it from 0 and from
// values[k - 1] and values[k + 1] written with as many, right-aligned in
// `width` characters; when no fixed form of that width does, the exponent form.
[[nodiscard]] std::string DistinctPointText(const std::vector<double>& values, size_t k,
                                            int decimals, int width);

// Whether texts[k] tells values[k] from 0 and from its neighbours' texts.
[[nodiscard]] bool ReadsApart(const std::vector<std::string>& texts,
                              const std::vector<double>& values, size_t k);
