// The texts the 3D graph draws: headings, value-axis numbers, floor numbers
// and captions, the notice of an undefined log range, the foot texts.
#include "graphs/threed/threed_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "graphs/axis/graph_font.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "graphs/threed/threed_paint.h"
#include "graphs/threed/threed_series.h"
#include "input/description_records.h"
#include "input/records.h"
#include "platform/gdi/gdi.h"
#include "reporttext/format/axis_number.h"
#include "reporttext/format/distinct_digits.h"
#include "reporttext/format/sub_sup_text.h"
#include "treatment/records.h"

ThreeDTexts lastThreeDTexts;

namespace {

constexpr double kLeftEdge = -316.0;
constexpr double kRightEdge = 319.0;
constexpr int kFootLine = 239;

int Height(double fraction) {
    return static_cast<int>(fraction * graphFontExtent);
}

// A graph font selected for the life of the object.
class Font {
  public:
    Font(win::HDC dc, int face, int height) : dc_(dc) {
        font_ = CreateGraphFont(face, 0, height, 0, 1);
        old_ = win::SelectObject(dc, font_);
        win::GetTextMetrics(dc, &tm);
    }
    ~Font() {
        win::SelectObject(dc_, old_);
        if (font_ != nullptr) win::DeleteObject(font_);
    }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    int LineHeight() const { return tm.tmHeight + tm.tmExternalLeading; }
    win::TEXTMETRICA tm{};

  private:
    win::HDC dc_;
    win::HFONT font_;
    win::HGDIOBJ old_;
};

int Width(win::HDC dc, const std::string& text) {
    return GetSubSupTextWidth(dc, text.c_str(), static_cast<int>(text.size()));
}

void Draw(win::HDC dc, double x, double y, const std::string& text) {
    if (text.empty()) return;
    TextOutSubSup(dc, static_cast<int>(x), static_cast<int>(y), text.c_str(),
                  static_cast<int>(text.size()));
}

void DrawCentred(win::HDC dc, double x, double y, const std::string& text) {
    Draw(dc, x - Width(dc, text) / 2.0, y, text);
}

// The user's own texts (descriptions, the product's name) stand as typed.
void DrawTyped(win::HDC dc, double x, double y, const std::string& text) {
    TextOutTyped(dc, static_cast<int>(x), static_cast<int>(y), text);
}

win::COLORREF TextColour() {
    return whiteBackground != 0 ? graphColorTable[0] : graphColorTable[15];
}

// The grid place of label position p: the value of position p, or 6 - p when reversed.
int ValueIndex(int p, uint16_t natural) {
    return natural == 1 ? p : kThreeDSide - 1 - p;
}

void DrawCaptions(ThreeDPaint& paint, ThreeDTexts& texts, Point2 rowEnd, Point2 columnEnd) {
    win::HDC dc = paint.dc;
    const int16_t kind = ThreeDGridKind();
    Font font(dc, 1, Height(0.035));
    // Column caption: the percent sign or a small "o" and the temperature letter.
    std::string column;
    if (kind == 2) {
        column = "%";
        Draw(dc, columnEnd.x - Width(dc, column), columnEnd.y, column);
        texts.captions = {};
    } else {
        const uint16_t t = unitCodes.code[UnitItem::kTemperature];
        column = t == 0 ? "F" : t == 1 ? "C" : t == 2 ? "K" : "";
        const int letterWidth = Width(dc, column);
        {
            Font small(dc, 1, Height(0.021));
            Draw(dc, columnEnd.x - letterWidth - Width(dc, "o"), columnEnd.y - 4, "o");
        }
        Draw(dc, columnEnd.x - letterWidth, columnEnd.y, column);
    }
    // Row caption.
    std::string row;
    bool pco2 = false;
    if (kind == 1) {
        row = "%";
    } else if (kind == 3) {
        static const char* const kPressure[] = {"ATM", "BAR", "PSI", "KPa"};
        const uint16_t p = unitCodes.code[UnitItem::kPressure];
        row = p < 4 ? kPressure[p] : "";
    } else if (whatIfOptions.varyPco2 != 0) {
        row = "pCO";
        pco2 = true;
    } else {
        row = "pH";
    }
    Draw(dc, rowEnd.x, rowEnd.y, row);
    if (pco2) {
        const int x = static_cast<int>(rowEnd.x) + Width(dc, row);
        Font sub(dc, 1, Height(0.02));
        Draw(dc, x, rowEnd.y + font.tm.tmHeight / 3.0, "2");
        texts.captions = {"pCO", "2"};
    } else {
        texts.captions = {row};
    }
    if (kind == 2)
        texts.captions.push_back("%");
    else {
        texts.captions.push_back("o");
        texts.captions.push_back(column);
    }
}

// One number on a front strip: its text without the blanks of its format,
// the left end and top of its glyph cell, and its width.
struct FloorNumber {
    std::string text;
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    bool belowStrip = false;  // stands under the strip, on the picture's background
};

std::string Trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// True when the digits of two numbers (the ink between the internal leading
// and the ascent) would come closer than `margin` (negative: overlap by more
// than its size).
bool Touch(const FloorNumber& a, const FloorNumber& b, const win::TEXTMETRICA& tm, double margin) {
    if (a.text.empty() || b.text.empty()) return false;
    const double top = tm.tmInternalLeading;
    const double bottom = tm.tmAscent;
    return a.x < b.x + b.width + margin && b.x < a.x + a.width + margin &&
           a.y + top < b.y + bottom + margin && b.y + top < a.y + bottom + margin;
}

// The y of the line through `from` and `to` at x.
double LineYAt(Point2 from, Point2 to, double x) {
    if (to.x == from.x) return std::max(from.y, to.y);
    return from.y + (x - from.x) * (to.y - from.y) / (to.x - from.x);
}

// The numbers of one strip, kept between its ends `low` and `high`. When
// neighbours would touch on one line, every other number moves down just far
// enough to clear both of its neighbours; one that would then cross the
// strip's lower edge (`edgeFrom` to `edgeTo`) moves on to stand wholly under
// it, where it is drawn in the picture's text colour (half on the strip, its
// digits would half vanish on the background). Numbers count as touching
// within `margin`: both strips keep their digits more than a pixel apart
// ("70" against "80" reads as one number).
void LayOutStrip(std::vector<FloorNumber>& numbers, double low, double high,
                 const win::TEXTMETRICA& tm, double margin, Point2 edgeFrom, Point2 edgeTo) {
    for (FloorNumber& n : numbers) {
        if (n.x + n.width > high - 2) n.x = high - 2 - n.width;
        if (n.x < low + 2) n.x = low + 2;
    }
    bool crowded = false;
    double drop = 0.0;  // the largest step down from one number to the next
    for (size_t i = 1; i < numbers.size(); ++i) {
        crowded = crowded || Touch(numbers[i - 1], numbers[i], tm, margin);
        drop = std::max(drop, std::fabs(numbers[i].y - numbers[i - 1].y));
    }
    if (!crowded) return;
    const double shift = std::ceil(drop) + tm.tmAscent - tm.tmInternalLeading + 2;
    for (size_t i = 1; i < numbers.size(); i += 2) {
        FloorNumber& n = numbers[i];
        n.y += shift;
        const double left = LineYAt(edgeFrom, edgeTo, n.x);
        const double right = LineYAt(edgeFrom, edgeTo, n.x + n.width);
        if (n.y + tm.tmAscent < std::min(left, right) - 1) continue;
        n.y = std::ceil(std::max(left, right)) + 2 - tm.tmInternalLeading;
        n.belowStrip = true;
    }
}

// The row numbers in axis order; those that read as 0 or as a neighbour's
// (pCO2 rows from 0.0034 atm beside 0.17 read "0.00") get the digits that
// tell them apart.
std::vector<std::string> RowAxisNumbers(double spread) {
    const std::vector<double> values(std::begin(rowAxisValues),
                                     std::begin(rowAxisValues) + kThreeDSide);
    std::vector<std::string> texts;
    for (double v : values) texts.push_back(RowAxisNumber(v, spread));
    for (size_t i = 0; i < texts.size(); ++i) {
        if (ReadsApart(texts, values, i)) continue;
        std::string text = DistinctPointText(values, i, 2, 5);
        texts[i] = text.erase(0, text.find_first_not_of(' '));
    }
    return texts;
}

void DrawFloorNumbers(ThreeDPaint& paint, ThreeDTexts& texts) {
    win::HDC dc = paint.dc;
    const ThreeDBox& b = paint.box;
    Font font(dc, 1, Height(0.025));
    const double lineHeight = font.LineHeight();
    // The bars' floor reaches a bar width past the last grid point: the numbers
    // stand at the middle of each bar's place.
    const double half = paint.contour ? 0.0 : 0.5 / 7.0;
    const double spread = static_cast<double>(rowAxisValues[6]) - rowAxisValues[0];
    texts.columnNumbers.assign(kThreeDSide, std::string());
    texts.rowNumbers.assign(kThreeDSide, std::string());
    // Column numbers on the left front strip (B to C) and row numbers on the
    // right one (A to C), each centred on its grid place; the lists keep the
    // order of the axis values.
    std::vector<FloorNumber> columns(kThreeDSide), rows(kThreeDSide);
    const std::vector<std::string> rowTexts = RowAxisNumbers(spread);
    for (int p = 0; p < kThreeDSide; ++p) {
        const int column = ValueIndex(p, columnOrderNatural);
        const std::string c = ColumnAxisNumber(columnAxisValuesCopy[column]);
        texts.columnNumbers[static_cast<size_t>(column)] = c;
        FloorNumber& cn = columns[static_cast<size_t>(p)];
        cn.text = Trimmed(c);
        cn.width = Width(dc, cn.text);
        const Point2 atC = b.Project(b.k, paint.columnPlaces[p] + half, 0.0);
        cn.x = atC.x - cn.width / 2.0;
        cn.y = atC.y + 0.35 * lineHeight;

        const int row = ValueIndex(p, rowOrderNatural);
        const std::string r = rowTexts[static_cast<size_t>(row)];
        texts.rowNumbers[static_cast<size_t>(row)] = r;
        FloorNumber& rn = rows[static_cast<size_t>(p)];
        rn.text = Trimmed(r);
        rn.width = Width(dc, rn.text);
        const Point2 atR = b.Project(paint.rowPlaces[p] + half, b.k, 0.0);
        rn.x = atR.x - rn.width / 2.0;
        rn.y = atR.y + 0.35 * lineHeight;
    }
    const Point2 c = b.C();
    // The two strips' numbers keep apart at C.
    const double parting = 0.4 * lineHeight;
    const double depth = 2.5 * paint.axisLineHeight;  // the strips' depth
    LayOutStrip(columns, b.B().x, c.x - parting, font.tm, 2.0, b.Raise(b.B(), depth),
                b.Raise(c, depth));
    LayOutStrip(rows, c.x + parting, b.A().x, font.tm, 2.0, b.Raise(c, depth),
                b.Raise(b.A(), depth));
    // The left strip is dark and the right one light in every table; a
    // number under its strip stands on the picture's background.
    double lowest = -1e9;  // the foot of the lowest number under a strip
    const auto draw = [&](const std::vector<FloorNumber>& numbers, win::COLORREF onStrip) {
        for (const FloorNumber& n : numbers) {
            win::SetTextColor(dc, n.belowStrip ? TextColour() : onStrip);
            Draw(dc, n.x, n.y, n.text);
            if (n.belowStrip) lowest = std::max(lowest, n.y + font.tm.tmAscent);
        }
    };
    draw(columns, graphColorTable[15]);
    draw(rows, graphColorTable[0]);
    win::SetTextColor(dc, TextColour());
    // The captions below the strips, beyond their last numbers (and under
    // any number that had to leave its strip).
    const double captionY = std::max(c.y + 2.4 * lineHeight, lowest + 0.2 * lineHeight);
    const Point2 columnEnd{c.x - 2.5 * lineHeight, captionY};
    const Point2 rowEnd{c.x + 1.5 * lineHeight, captionY};
    DrawCaptions(paint, texts, rowEnd, columnEnd);
}

void DrawNotice(ThreeDPaint& paint, ThreeDTexts& texts) {
    if (logRangeUndefined != 1) return;
    win::HDC dc = paint.dc;
    Font font(dc, 1, Height(0.03755));
    const Point2 centre = paint.box.Project(0.5 * paint.box.k, 0.5 * paint.box.k, 0.0);
    const char* lines[3] = {"Saturation Ratio (SR) is Zero",
                            "Saturation Index (Log[SR]) is Undefined", "No Graph Possible"};
    const int colours[3] = {0, 4, 0};
    // The lines stand one line higher than centred on the floor: centred,
    // the widest would run over the value axis's lowest number and the
    // last over the floor numbers.
    const double h = font.LineHeight();
    for (int i = 0; i < 3; ++i) {
        win::SetTextColor(dc, graphColorTable[colours[i]]);
        DrawCentred(dc, centre.x, centre.y + (i - 2.5) * h, lines[i]);
    }
    win::SetTextColor(dc, TextColour());
    texts.notice = true;
}

void DrawFootTexts(ThreeDPaint& paint, ThreeDTexts& texts) {
    texts.feet.clear();
    if (showGraphLabels == 0) return;
    win::HDC dc = paint.dc;
    Font font(dc, 0, Height(0.021));
    const int lineHeight = font.LineHeight();
    const int16_t kind = ThreeDGridKind();
    const auto lineY = [&](int k) { return kFootLine - k * lineHeight - (k + 1); };
    const double rightEnd = kRightEdge - font.tm.tmAveCharWidth - 1;
    const bool mixed = kind >= 0 && kind <= 2;
    // A mixing grid names its formation water at the right (its injection
    // water at the left); a single-water grid is the surface water's, named
    // by its own texts whatever water's form was opened last.
    const SampleDescription& right = mixed ? waterDescriptions[2] : waterDescriptions[0];
    for (int field = 0; field < 4; ++field) {
        const int k = 4 - field;
        const std::string r(right.text[field],
                            strnlen(right.text[field], sizeof right.text[field]));
        DrawTyped(dc, rightEnd - GetTypedTextWidth(dc, r), lineY(k), r);
        if (!r.empty()) texts.feet.push_back(r);
        if (mixed) {
            const SampleDescription& left = waterDescriptions[1];
            const std::string l(left.text[field],
                                strnlen(left.text[field], sizeof left.text[field]));
            DrawTyped(dc, kLeftEdge, lineY(k), l);
            if (!l.empty()) texts.feet.push_back(l);
        }
    }
    if (paint.code == 89) return;
    const bool product = resultStatus.productSelected != 0;
    const bool coding = graphOutputFlags.treatedColorCoding != 0;
    const std::string name(
        productTable.records[0].name,
        strnlen(productTable.records[0].name, sizeof productTable.records[0].name));
    if (kind == 3) {
        if (coding && product) {
            DrawTyped(dc, kLeftEdge, lineY(1), name);
            Draw(dc, kLeftEdge, lineY(2), "TREATED WITH");
            texts.feet.push_back("TREATED WITH");
            texts.feet.push_back(name);
        } else {
            Draw(dc, kLeftEdge, lineY(1), "UNTREATED");
            texts.feet.push_back("UNTREATED");
        }
        return;
    }
    if (!product) return;
    const std::string legend = coding ? "Treated with " + name : std::string("Untreated");
    DrawTyped(dc, (kLeftEdge + kRightEdge) / 2.0 - GetTypedTextWidth(dc, legend) / 2.0, lineY(1),
              legend);
    texts.feet.push_back(legend);
}

}  // namespace

std::string RowAxisNumber(double value, double spread) {
    char text[64];
    size_t cut = 0;
    if (spread < 1.0) {
        std::snprintf(text, sizeof text, "%-4.3f", value);
        if (value < 1.0) cut = 4;
    } else if (spread < 14.0) {
        std::snprintf(text, sizeof text, "%-4.2f", value);
        if (value < 100.0) cut = 4;
    } else if (spread < 200.0) {
        std::snprintf(text, sizeof text, "%-4.1f", value);
        if (value < 1000.0) cut = 4;
    } else if (spread < 1000.0) {
        std::snprintf(text, sizeof text, "%-5.0f", value);
        if (value < 20000.0) cut = 5;
    } else {
        std::snprintf(text, sizeof text, "%-6.0f", value);
        if (value < 20000.0) cut = 5;
    }
    std::string s = text;
    if (cut != 0 && s.size() > cut) s.resize(cut);
    // A cut that leaves the point alone drops it: 100.0 reads "100".
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s;
}

std::string ColumnAxisNumber(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%4.0f", value);
    std::string s = text;
    if (s.size() > 4) s.resize(4);
    return s;
}

void DrawThreeDValueNumbers(ThreeDPaint& paint, ThreeDTexts& texts) {
    win::HDC dc = paint.dc;
    win::SetBkMode(dc, win::TRANSPARENT);
    win::SetTextColor(dc, TextColour());
    const ThreeDBox& b = paint.box;
    const Point2 bl = b.B();
    double unitTop = 0.0;
    {
        Font font(dc, 1, Height(0.025));
        const double stub = 0.9 * paint.axisLineHeight;
        double value = valueAxisLow;
        for (int i = 0; i <= paint.intervals; ++i) {
            char label[kAxisLabelChars] = "";
            char suffix[kAxisSuffixChars] = " ";
            FormatAxisNumber(value, valueAxisLow, valueAxisHigh, valueAxisStep, 0, label, suffix);
            AddScaleToUnitLabel(texts, suffix);
            const Point2 at = b.Raise(bl, i * b.height / paint.intervals);
            const std::string s = label;
            Draw(dc, at.x - stub - 2 - Width(dc, s), at.y - font.tm.tmHeight / 2.0, s);
            value += valueAxisStep;
        }
        unitTop = b.Raise(bl, b.height).y - 1.6 * font.LineHeight();
    }
    // The unit label above the numbers, its right end over their right ends.
    const std::string unit = graphUnitLabel;
    {
        Font font(dc, 1, Height(unit.size() < 12 ? 0.025 : 0.021));
        Draw(dc, std::max(kLeftEdge, bl.x - Width(dc, unit)), unitTop, unit);
    }
    // The profile title and subtitle at the top left; the title centred above
    // O', moved right of the headings where they would meet.
    double y = -236.0;
    double headingsEnd = kLeftEdge;
    {
        const std::string profile = graphProfileTitle;
        Font font(dc, 1, Height(0.021));
        Draw(dc, kLeftEdge, y, profile);
        if (!profile.empty()) {
            headingsEnd = std::max(headingsEnd, kLeftEdge + Width(dc, profile));
            y += font.LineHeight();
        }
    }
    {
        const std::string sub = graphSubtitle;
        Font font(dc, 1, Height(sub.size() < 16 ? 0.025 : 0.021));
        Draw(dc, kLeftEdge, y, sub);
        if (!sub.empty()) {
            headingsEnd = std::max(headingsEnd, kLeftEdge + Width(dc, sub));
            y += font.LineHeight();
        }
    }
    const double headingsBottom = y;
    Font title(dc, 1, Height(0.048));
    const std::string text = graphTitle;
    const double width = Width(dc, text);
    double left = -width / 2.0;
    const Point2 top = b.Raise(b.O(), b.height);
    double titleTop = top.y - 1.3 * title.LineHeight();
    if (left < headingsEnd + 8.0) {
        left = headingsEnd + 8.0;
        if (left + width > kRightEdge) {
            // Too long to stand beside the headings: it moves down under
            // them, as far right as the picture lets it.
            left = std::max(kLeftEdge, std::min(-width / 2.0, kRightEdge - width));
            titleTop = std::max(titleTop, headingsBottom);
        }
    }
    Draw(dc, left, titleTop, text);
}

void DrawThreeDLabels(ThreeDPaint& paint, ThreeDTexts& texts) {
    win::SetBkMode(paint.dc, win::TRANSPARENT);
    win::SetTextColor(paint.dc, TextColour());
    DrawFloorNumbers(paint, texts);
    DrawNotice(paint, texts);
    DrawFootTexts(paint, texts);
    lastThreeDTexts = texts;
}
