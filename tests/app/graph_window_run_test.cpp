// The 2D graph window in a whole run of the bundled script
// data/scripts/graph2d.tvs on a 1024 x 768 desktop: the waterflood opened, the
// sea water typed in, the temperature, pH, pressure, mixing-ratio and well
// graphs opened from the main menu, its clicks, switches, exports, copy and
// both kinds of print, each picture held to its golden
// (tests/graphs/golden/window-*.ppm, at most 20 pixels differing by more than
// 10 %) and each file read back by the outside tools that are installed.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "graphs/graph_output_records.h"
#include "graphs/two_d_graph_records.h"
#include "tests/app/graph_run_fixture.h"

namespace {

namespace fs = std::filesystem;

class GraphWindowRun : public GraphRunFixture {
  protected:
    void ResetWindowRecords() override { ResetTwoDGraphRecords(); }
    void SetUp() override {
        GraphRunFixture::SetUp();
        std::ofstream(folder / "printers.cfg") << "Colour | letter | 100 | colour | prints\n"
                                                  "Grey | letter | 100 | mono | prints\n";
        fs::copy_file(fs::path(TARVEX_SOURCE_DIR) / "data/samples/waterflood.krv",
                      folder / "waterflood.krv");
    }
    uint32_t Word(const std::string& bytes, std::size_t at, int size, bool bigEndian = false) {
        uint32_t v = 0;
        for (int i = 0; i < size; ++i) {
            const auto b = static_cast<uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
            v |= static_cast<uint32_t>(b) << (8 * (bigEndian ? size - 1 - i : i));
        }
        return v;
    }
    long Differing(const std::string& name) {
        return GraphRunFixture::Differing("window-" + name + ".ppm", name + ".ppm");
    }
};

TEST_F(GraphWindowRun, GraphsClicksSwitchesPicturesAndPrint) {
    ASSERT_EQ(RunFile(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/graph2d.tvs", "1024x768"), 0)
        << Log();
    const std::string log = Log();
    EXPECT_NE(log.find("window created wc2DGraphWindow"), std::string::npos);

    // The value box of the fourth point (100 F) and the copy of its analysis.
    const std::size_t box = log.find("message box \"YOU CLICKED ON THE VALUE ");
    ASSERT_NE(box, std::string::npos) << log;
    EXPECT_NE(log.find(", and temperature of 100.0 \xB0"
                       "F.\" -> ok",
                       box),
              std::string::npos);
    const std::size_t copied = log.find("message box \"ANALYSIS COPIED \"", box);
    ASSERT_NE(copied, std::string::npos);
    EXPECT_NE(log.find("clipboard holds \"tkIntermediate\"", copied), std::string::npos);

    // The switches' texts.
    EXPECT_NE(log.find("[1011] \" DISPLAY COLOR IMAGES\t(Currently Gray Scale)\""),
              std::string::npos);
    EXPECT_NE(log.find("[1012] \" USE SOLID PATTERNS\t(Currently &Hatch Patterns)\""),
              std::string::npos);

    // The exported pictures are one pixel wider and higher than the window's
    // client area, as its snap shows it.
    const auto size = [](uint32_t w, uint32_t h) {
        return std::to_string(w) + " " + std::to_string(h);
    };
    const std::string grown = PictureSize("temperature.ppm", 1);
    const std::string bmp = Read("t.bmp");
    ASSERT_GE(bmp.size(), 26u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(size(Word(bmp, 18, 4), Word(bmp, 22, 4)), grown);
    const std::string png = Read("T.PNG");
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(size(Word(png, 16, 4, true), Word(png, 20, 4, true)), grown);
    const std::string pcx = Read("t.pcx");
    ASSERT_GE(pcx.size(), 128u);
    EXPECT_EQ(size(Word(pcx, 8, 2) - Word(pcx, 4, 2) + 1, Word(pcx, 10, 2) - Word(pcx, 6, 2) + 1),
              grown);
    EXPECT_FALSE(fs::exists(folder / "t.gif"));
    const std::string jpg = Read("t.jpg");
    ASSERT_GE(jpg.size(), 3u);
    EXPECT_EQ(jpg.substr(0, 3), "\xFF\xD8\xFF");
    EXPECT_NE(log.find("message box \"FILE SAVE ERROR\": \"I'm sorry. This file type cannot be "
                       "saved. Please use .bmp, .jpg, .png, .pcx or .tif. File not saved!\""),
              std::string::npos);

    const std::string tif = Read("t.tif");
    ASSERT_GE(tif.size(), 8u);
    EXPECT_EQ(tif.substr(0, 4), std::string("II*\0", 4));

    // The outside tools read every picture at the window's size plus one.
    if (Have("identify")) {
        for (const char* name : {"t.bmp", "T.PNG", "t.pcx", "t.jpg", "t.tif"})
            EXPECT_EQ(Tool(std::string("(identify -format '%w %h\\n' ") + name + " 2>/dev/null)"),
                      grown + "\n")
                << name;
        EXPECT_EQ(Tool("identify -format '%m' T.PNG"), "PNG");
    }
    int status = -1;
    if (Have("pngcheck")) {
        const std::string out = Tool("pngcheck T.PNG", &status);
        EXPECT_EQ(status, 0) << out;
    }
    if (Have("djpeg")) {
        const std::string out = Tool("djpeg t.jpg > t-back.ppm", &status);
        EXPECT_EQ(status, 0) << out;
    }
    if (Have("tiffinfo")) {
        const std::string out = Tool("tiffinfo t.tif", &status);
        EXPECT_EQ(status, 0) << out;
        EXPECT_NE(out.find("LZW"), std::string::npos) << out;
    }

    // COPY: the window's picture as a DIB.
    EXPECT_NE(log.find("clipboard holds DIB"), std::string::npos);
    const std::string dib = Read("c.dib");
    ASSERT_GE(dib.size(), 40u);
    EXPECT_EQ(size(Word(dib, 4, 4), Word(dib, 8, 4)), PictureSize("temperature.ppm"));

    // PRINT on the colour printer: the graph drawn into the page.
    EXPECT_NE(log.find("printed \"Printing Tarvex Graph\": 1 pages"), std::string::npos);
    ASSERT_TRUE(fs::exists(folder / "prints" / "Printing Tarvex Graph.pdf"));
    if (Have("pdftotext")) {
        const std::string text = (folder / "prints" / "graph.txt").string();
        ASSERT_EQ(std::system(("pdftotext '" +
                               (folder / "prints" / "Printing Tarvex Graph.pdf").string() + "' '" +
                               text + "'")
                                  .c_str()),
                  0);
        std::stringstream s;
        s << std::ifstream(text).rdbuf();
        EXPECT_NE(s.str().find("Calcite Saturation Ratio"), std::string::npos);
        EXPECT_NE(s.str().find("Saturation Ratio"), std::string::npos);
        EXPECT_NE(s.str().find("6.50"), std::string::npos);  // the axis top
    }

    // In indirect mode the graph goes to the printer as one picture, in a
    // document named after the window's title.
    ASSERT_TRUE(fs::exists(folder / "prints" / "Tarvex Graph.pdf")) << log;
    if (Have("pdfimages")) {
        const std::string list = Tool("pdfimages -list 'prints/Tarvex Graph.pdf'", &status);
        EXPECT_EQ(status, 0) << list;
        int pictures = 0;
        std::istringstream lines(list);
        std::string line;
        while (std::getline(lines, line))
            if (line.find(" image ") != std::string::npos) ++pictures;
        EXPECT_EQ(pictures, 1) << list;
    }
    if (Have("python3")) {
        // The clipboard's DIB with a 14-byte file header in front is a BMP file.
        const std::string out = Tool(
            "python3 -c \"import struct,sys; d=open('c.dib','rb').read(); "
            "h=struct.unpack_from('<I',d,0)[0]; n=struct.unpack_from('<I',d,32)[0]; "
            "b=struct.unpack_from('<H',d,14)[0]; "
            "p=(n or (1<<b if b<=8 else 0))*4; "
            "open('c.bmp','wb').write(struct.pack('<2sIHHI',b'BM',14+len(d),0,0,14+h+p)+d)\"",
            &status);
        EXPECT_EQ(status, 0) << out;
        if (Have("identify")) {
            EXPECT_EQ(Tool("identify -format '%w %h' c.bmp"), PictureSize("temperature.ppm"));
        }
    }

    // The double click closes the window; the next command opens it again.
    const std::size_t closed = log.find("window destroyed wc2DGraphWindow");
    ASSERT_NE(closed, std::string::npos);
    EXPECT_NE(log.find("window created wc2DGraphWindow", closed), std::string::npos);

    if (!Have("compare")) GTEST_SKIP() << "ImageMagick's compare is missing";
    for (const char* name :
         {"temperature", "grey", "hatch", "ph", "pressure", "mixing", "well", "four"}) {
        const long differing = Differing(name);
        EXPECT_GE(differing, 0) << name;
        EXPECT_LE(differing, 20) << name;
    }
}

}  // namespace

// The graph versus the mixing ratio keeps its title and captions: opened, it
// reads "Calcite Saturation Level"; an edit of the source water that leaves
// it open and repaints it must not turn it into "Calcite Saturation Ratio",
// on the window or on its print.
TEST_F(GraphWindowRun, GraphVsPercentKeepsItsTitleThroughARepaint) {
    std::ofstream(folder / "printers.cfg") << "Colour | letter | 100 | colour | prints\n"
                                              "Later | letter | 100 | colour | later\n";
    std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/graph2d.tvs");
    std::string script;
    for (std::string line; std::getline(in, line) && line != "menu 1064";)
        if (line.rfind('#', 0) != 0) script += line + "\n";
    script +=
        "menu 1043\n"
        "snap wc2DGraphWindow opened.ppm\n"
        "printer Colour\n"
        "menu 1013 wc2DGraphWindow\n"
        // The source water's calcium from 412 to 600: the open graph repaints.
        "dialog 81 set 400 600\n"
        "dialog 81 press 1\n"
        "menu 1030\n"
        "menu 1011 wc2DGraphWindow\n"
        "menu 1011 wc2DGraphWindow\n"
        "snap wc2DGraphWindow repainted.ppm\n"
        "printer Later\n"
        "menu 1013 wc2DGraphWindow\n"
        "answer yes Did you wish to leave data\n"
        "answer no Data has been modified\n";
    ASSERT_EQ(Run(script, "1024x768"), 0) << Log();
    if (Have("compare")) {
        // The title's strip of the two pictures.
        const std::string strip =
            Tool("compare -metric AE -fuzz 10% -extract 700x40+150+15 opened.ppm repainted.ppm "
                 "null:");
        EXPECT_EQ(std::strtol(strip.c_str(), nullptr, 10), 0) << strip;
    }
    if (!Have("pdftotext")) GTEST_SKIP() << "pdftotext is missing";
    for (const char* printed : {"prints", "later"}) {
        const std::string text =
            Tool(std::string("pdftotext '") + printed + "/Printing Tarvex Graph.pdf' -");
        EXPECT_NE(text.find("Calcite Saturation Level"), std::string::npos) << printed << text;
        EXPECT_EQ(text.find("Ratio"), std::string::npos) << printed << text;
    }
}

// Each surface graph - temperature, pH, pressure, well and the one-page
// summary's - opened after a driver (the mixing ratios, then the well-log
// table and the one-page summary with the mixing ratios still current, then
// the multi-mix) is the same graph opened before it, under Ratio and under
// Index: its title, captions and colours follow its own kind and the index
// form alone, pixel for pixel on the window and word for word in its print.
TEST_F(GraphWindowRun, SurfaceGraphsAreTheirOwnWhateverRanBefore) {
    if (!Have("compare")) GTEST_SKIP() << "ImageMagick's compare is missing";
    std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/graph2d.tvs");
    std::string setUp;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind('#', 0) != 0) setUp += line + "\n";
        if (line == "menu 1064") break;
    }
    struct Step {
        const char* name;
        const char* lines;
        const char* window = "wc2DGraphWindow";
    };
    // The one-page summary's charts too, its first the precipitation of calcite.
    setUp += "menu 1248\ndialog 25 press 2505\ndialog 25 select 2501 Calcite precipitation\n"
             "dialog 25 press 2503\ndialog 25 press 1\nmenu 1257 DisOnePage\n";
    const Step graphs[] = {{"temperature", "menu 1037\n"},
                           {"ph", "menu 1039\n"},
                           {"pressure", "menu 229\n"},
                           {"well", "menu 1251\n"},
                           {"summary", "menu 1248\n", "DisOnePage"}};
    const Step drivers[] = {{"mix", "menu 1042\n"},
                            {"welllog", "menu 1250\n"},
                            {"summary", "menu 1248\n"},
                            {"multimix",
                             "answer yes Last Analysis\n"
                             "dialog 116 set 400 100\ndialog 116 set 404 1000\n"
                             "dialog 116 set 414 1700\ndialog 116 set 419 200\n"
                             "dialog 116 press 527\nmenu 113\n"}};
    struct Form {
        const char* name;
        const char* lines;
        const char* title;
    };
    const Form forms[] = {{"ratio", "", "Calcite Saturation Ratio"},
                          {"index", "dialog 73 click 303\ndialog 73 press 1\nmenu 1078\n",
                           "Calcite Saturation Index"}};
    for (const Form& form : forms) {
        Fresh();
        fs::remove_all(folder / "prints");
        // Each driver is followed by every graph's picture and the print of
        // the temperature graph.
        std::string script = setUp + form.lines;
        for (const Step& g : graphs)
            script += std::string(g.lines) + "snap " + g.window + " fresh-" + g.name + ".ppm\n";
        for (const Step& d : drivers) {
            script += d.lines;
            for (const Step& g : graphs)
                script += std::string(g.lines) + "snap " + g.window + " " + d.name + "-" + g.name +
                          ".ppm\n";
            script += "menu 1037\nprinter Colour\nmenu 1013 wc2DGraphWindow\n";
        }
        script += "answer yes Did you wish to leave data\nanswer no Data has been modified\n";
        ASSERT_EQ(Run(script, "1024x768"), 0) << form.name << Log();
        int printed = 0;
        for (const Step& d : drivers) {
            for (const Step& g : graphs) {
                const std::string after = std::string(d.name) + "-" + g.name + ".ppm";
                const std::string out = Tool("compare -metric AE fresh-" + std::string(g.name) +
                                             ".ppm " + after + " null:");
                EXPECT_EQ(out, "0") << form.name << " " << after;
            }
            if (!Have("pdftotext")) continue;
            const std::string pdf =
                "prints/Printing Tarvex Graph" +
                (printed++ == 0 ? std::string() : " (" + std::to_string(printed) + ")") + ".pdf";
            const std::string text = Tool("pdftotext '" + pdf + "' -");
            EXPECT_NE(text.find(form.title), std::string::npos) << form.name << " " << d.name << text;
            EXPECT_EQ(text.find("Level"), std::string::npos) << form.name << " " << d.name << text;
        }
    }
}
