// What a click on the well-log summary graph finds and says: the bars under
// the point in every panel, the station each shows, the value box's texts and
// the copy of a station's water analysis.
#pragma once

#include <string>

// One bar under the point: its panel and the station it shows.
struct StationHit {
    int panel;
    int station;
};

// The bars holding the logical point (x, y) (origin at the client area's
// bottom left, y up) in every panel of the last paint, panel by panel, in
// bar order; at most `most` into `hits`. Bar k shows station 48 - k.
int HitStations(int x, int y, StationHit* hits, int most);

// The unit endings of the click boxes' numbers: " (p.s.i.)" and the like by
// the pressure unit, " °F." and the like by the temperature unit.
[[nodiscard]] const char* ClickPressureEnd();
[[nodiscard]] const char* ClickTemperatureEnd();
// "at Depth D, P (unit), T °F.", each number cut to `numberChars` - 1
// characters.
[[nodiscard]] std::string WellPlaceText(double depth, double pressure, double temperature,
                                        int numberChars);

// "at Depth D, P (unit), T °F." of a station of the 48-interval profile
// while graphProfileKind is 8; empty otherwise.
[[nodiscard]] std::string StationText(int station);

struct StationClickText {
    std::string caption;
    std::string message;
};

// The value box of a hit: the value the panel plotted at the station; the
// message asks " DISPLAY LIMITS?" while a product is selected.
[[nodiscard]] StationClickText StationValueText(const StationHit& hit);

// The copy of a station's water analysis: while graphProfileKind is 8 the
// station's analysis goes on the clipboard named by the message, and the
// working analysis is put back as it was. Returns the box's texts.
StationClickText CopyStationAnalysis(int station);
