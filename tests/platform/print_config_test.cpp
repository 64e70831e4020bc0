// The printer file and printer devices: parsing with clear messages for bad
// lines, the default printer in the profile entry, the device description
// of paper, resolution and colour, and the spooler calls.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/print/print_job.h"
#include "platform/print/print_setup.h"
#include "platform/drivers/script.h"
#include "platform/system/system.h"
#include "tests/platform/gdi_test_support.h"

namespace win::test {
namespace {

using PrinterConfigTest = GdiTest;

TEST_F(PrinterConfigTest, ParsesPrintersAndNamesEachBadLine) {
    const std::string text =
        "# name | paper | dpi | colour | folder\n"
        "PDF995 | letter | 600 | colour | prints\n"
        "\n"
        "Office Laser | A4 landscape | 300 | mono | /tmp/office\n"
        "Broken | letter | 600 | colour\n"
        "Tiny | letter | 50 | colour | x\n"
        "Odd | tabloid | 300 | colour | x\n"
        "Grey | legal | 300 | greyish | x\n"
        "pdf995 | legal | 300 | mono | x\n"
        "A,B | legal | 300 | mono | x\n";
    std::vector<std::string> errors;
    const std::vector<PrinterConfig> printers = ParsePrinterConfig(text, "/base", &errors);
    ASSERT_EQ(printers.size(), 2u);
    EXPECT_EQ(printers[0].name, "PDF995");
    EXPECT_EQ(printers[0].folder, "/base/prints");
    EXPECT_TRUE(printers[0].color);
    EXPECT_EQ(printers[1].name, "Office Laser");
    EXPECT_EQ(printers[1].paper, "a4");
    EXPECT_TRUE(printers[1].landscape);
    EXPECT_EQ(printers[1].dpi, 300);
    EXPECT_FALSE(printers[1].color);
    EXPECT_EQ(printers[1].folder, "/tmp/office");
    ASSERT_EQ(errors.size(), 6u);
    EXPECT_NE(errors[0].find("line 5"), std::string::npos);
    EXPECT_NE(errors[0].find("5 fields"), std::string::npos);
    EXPECT_NE(errors[1].find("line 6"), std::string::npos);
    EXPECT_NE(errors[2].find("tabloid"), std::string::npos);
    EXPECT_NE(errors[3].find("greyish"), std::string::npos);
    EXPECT_NE(errors[4].find("already defined"), std::string::npos);
    EXPECT_NE(errors[5].find("comma"), std::string::npos);
}

TEST_F(PrinterConfigTest, LoadingPublishesTheDefaultPrinterAndKeepsItOnFailure) {
    const std::filesystem::path dir =
        std::filesystem::path(TARVEX_BINARY_DIR) / "printer-config-test";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "printers.cfg").string();
    {
        std::ofstream out(path);
        out << "PDF995 | letter | 600 | colour | out\nDraft | letter | 150 | mono | out\n";
    }
    std::vector<std::string> errors;
    ASSERT_TRUE(LoadPrinterConfig(path, &errors));
    EXPECT_TRUE(errors.empty());
    char device[80];
    GetProfileString("windows", "device", "", device, sizeof device);
    // Device, driver and port, as the default-printer lookup splits them.
    EXPECT_STREQ(device, "PDF995,TarvexPDF,PDF:");
    EXPECT_FALSE(LoadPrinterConfig((dir / "missing.cfg").string(), &errors));
    EXPECT_NE(errors.back().find("missing.cfg"), std::string::npos);
    ASSERT_EQ(ConfiguredPrinters().size(), 2u);  // what was loaded before stays
    EXPECT_NE(FindPrinter("draft"), nullptr);    // names compare without case
    // A fresh platform forgets its profile; the next printer use writes the
    // entry again.
    ResetPlatform();
    EXPECT_EQ(GetProfileString("windows", "device", "", device, sizeof device), 0u);
    (void)ConfiguredPrinters();
    GetProfileString("windows", "device", "", device, sizeof device);
    EXPECT_STREQ(device, "PDF995,TarvexPDF,PDF:");
}

// A printer file at the bound holds tens of thousands of printers, each
// named once (seen failing: each name held against every one before it, the
// file took minutes); one byte more is not read, and what was loaded stays.
TEST_F(PrinterConfigTest, AFileAtTheBoundLoadsAndOneByteMoreIsRefused) {
    const std::filesystem::path dir =
        std::filesystem::path(TARVEX_BINARY_DIR) / "printer-config-bound-test";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "printers.cfg").string();
    std::string text;
    int count = 0;
    for (;;) {
        const std::string line = "P" + std::to_string(count) + " | letter | 300 | mono | out\n";
        if (text.size() + line.size() + 64 > kPrinterFileMaxBytes) break;
        text += line;
        ++count;
    }
    text += "p0 | a4 | 300 | mono | out\n";  // the first name again, in other case
    text += "#" + std::string(kPrinterFileMaxBytes - text.size() - 2, '-') + "\n";
    ASSERT_EQ(text.size(), kPrinterFileMaxBytes);
    std::ofstream(path, std::ios::binary) << text;
    std::vector<std::string> errors;
    ASSERT_TRUE(LoadPrinterConfig(path, &errors));
    ASSERT_EQ(ConfiguredPrinters().size(), static_cast<size_t>(count));
    EXPECT_GT(count, 30000);
    EXPECT_EQ(ConfiguredPrinters().back().name, "P" + std::to_string(count - 1));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("\"p0\" is already defined"), std::string::npos) << errors[0];
    std::ofstream(path, std::ios::binary | std::ios::app) << '\n';
    errors.clear();
    EXPECT_FALSE(LoadPrinterConfig(path, &errors));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "cannot read the printer file " + path +
                             ": larger than 1,048,576 bytes, more than a printer file holds");
    EXPECT_EQ(ConfiguredPrinters().size(), static_cast<size_t>(count));
    std::filesystem::remove_all(dir);
}

TEST_F(PrinterConfigTest, DeviceDescriptionFollowsPaperResolutionAndColour) {
    UsePrinters(ParsePrinterConfig(
        "PDF995 | letter | 600 | colour | .\nWide | a4 landscape | 300 | mono | .\n", ".",
        nullptr));
    HDC letter = CreateICA(nullptr, "PDF995", nullptr, nullptr);
    ASSERT_NE(letter, nullptr);
    // 8.5 x 11 inches at 600 dpi with a quarter-inch margin on each side.
    EXPECT_EQ(GetDeviceCaps(letter, PHYSICALWIDTH), 5100);
    EXPECT_EQ(GetDeviceCaps(letter, PHYSICALHEIGHT), 6600);
    EXPECT_EQ(GetDeviceCaps(letter, PHYSICALOFFSETX), 150);
    EXPECT_EQ(GetDeviceCaps(letter, HORZRES), 4800);
    EXPECT_EQ(GetDeviceCaps(letter, VERTRES), 6300);
    EXPECT_EQ(GetDeviceCaps(letter, LOGPIXELSY), 600);
    EXPECT_EQ(GetDeviceCaps(letter, NUMCOLORS), -1);
    EXPECT_EQ(GetDeviceCaps(letter, TECHNOLOGY), DT_RASPRINTER);
    EXPECT_NE(GetDeviceCaps(letter, RASTERCAPS) & RC_STRETCHBLT, 0);
    EXPECT_NE(GetDeviceCaps(letter, RASTERCAPS) & RC_BITBLT, 0);
    DeleteDC(letter);
    HDC wide = CreateICA(nullptr, "Wide", nullptr, nullptr);
    // A4 (210 x 297 mm) turned: 297 / 25.4 x 300 = 3507.9 -> 3508 across.
    EXPECT_EQ(GetDeviceCaps(wide, PHYSICALWIDTH), 3508);
    EXPECT_EQ(GetDeviceCaps(wide, PHYSICALHEIGHT), 2480);
    EXPECT_EQ(GetDeviceCaps(wide, NUMCOLORS), 2);
    DeleteDC(wide);
    // A device mode's orientation and resolution override the printer's.
    DeviceMode mode;
    mode.dmFields = DM_ORIENTATION | DM_PRINTQUALITY;
    mode.dmOrientation = DMORIENT_LANDSCAPE;
    mode.dmPrintQuality = 300;
    HDC turned = CreateDCA("TarvexPDF", "PDF995", "PDF:", &mode);
    EXPECT_EQ(GetDeviceCaps(turned, PHYSICALWIDTH), 3300);
    EXPECT_EQ(GetDeviceCaps(turned, PHYSICALHEIGHT), 2550);
    DeleteDC(turned);
    EXPECT_EQ(CreateDCA(nullptr, "No Such Printer", nullptr, nullptr), nullptr);
    HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, TECHNOLOGY), DT_RASDISPLAY);
    DeleteDC(screen);
}

TEST_F(PrinterConfigTest, PrinterInformationOfThePdfPrinter) {
    UsePrinters(ParsePrinterConfig("PDF995 | letter | 600 | colour | .\n", ".", nullptr));
    HANDLE printer = nullptr;
    EXPECT_FALSE(OpenPrinterA("Nobody", &printer, nullptr));
    ASSERT_TRUE(OpenPrinterA("PDF995", &printer, nullptr));
    DWORD needed = 0;
    EXPECT_FALSE(GetPrinterA(printer, 2, nullptr, 0, &needed));
    ASSERT_GT(needed, sizeof(PRINTER_INFO_2));
    std::vector<BYTE> block(needed);
    EXPECT_FALSE(GetPrinterA(printer, 2, block.data(), needed - 1, &needed));
    ASSERT_TRUE(GetPrinterA(printer, 2, block.data(), needed, &needed));
    PRINTER_INFO_2 info;
    std::memcpy(&info, block.data(), sizeof info);
    EXPECT_STREQ(info.pPrinterName, "PDF995");
    EXPECT_STREQ(info.pDriverName, "TarvexPDF");
    ASSERT_NE(info.pDevMode, nullptr);
    EXPECT_EQ(info.pDevMode->dmSize, 156);
    EXPECT_STREQ(info.pDevMode->dmDeviceName, "PDF995");
    EXPECT_TRUE(ClosePrinter(printer));
    EXPECT_FALSE(ClosePrinter(printer));
    EXPECT_FALSE(GetPrinterA(printer, 2, block.data(), needed, &needed));
}

TEST_F(PrinterConfigTest, MarginFieldsMoveTheOffsetsAndThePrintableArea) {
    std::vector<std::string> errors;
    const std::vector<PrinterConfig> printers = ParsePrinterConfig(
        "Even | letter | 600 | colour | . | margin=0.5\n"
        "Sides | letter | 600 | colour | . | MARGIN = 1.5, 0.25\n"
        "Wide | letter | 600 | colour | . | margin=4\n"
        "Bad | letter | 600 | colour | . | margin=half\n"
        "Odd | letter | 600 | colour | . | colour=1\n",
        "/", &errors);
    ASSERT_EQ(printers.size(), 2u);
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_NE(errors[0].find("line 3"), std::string::npos);
    EXPECT_NE(errors[1].find("half"), std::string::npos);
    EXPECT_NE(errors[2].find("unknown field"), std::string::npos);
    const DeviceCaps even = PrinterCaps(printers[0], nullptr);
    EXPECT_EQ(even.offsetX, 300);
    EXPECT_EQ(even.offsetY, 300);
    EXPECT_EQ(even.horzRes, 5100 - 600);
    EXPECT_EQ(even.vertRes, 6600 - 600);
    DeviceCaps sides = PrinterCaps(printers[1], nullptr);
    EXPECT_EQ(sides.offsetX, 900);
    EXPECT_EQ(sides.offsetY, 150);
    // Turned to landscape, the margins turn with the sheet.
    DeviceMode landscape = DefaultDeviceMode(printers[1]);
    landscape.dmOrientation = DMORIENT_LANDSCAPE;
    sides = PrinterCaps(printers[1], &landscape);
    EXPECT_EQ(sides.physicalWidth, 6600);
    EXPECT_EQ(sides.offsetX, 150);
    EXPECT_EQ(sides.offsetY, 900);
    EXPECT_EQ(sides.vertRes, 5100 - 1800);
}

}  // namespace
}  // namespace win::test
