// tarvex-image COMMAND [ARGUMENTS...]: see harness.h and the README.
#include "tools/harness_command_line.h"
#include "tools/image_harness/harness.h"

namespace {

struct Command {
    const char* name;
    int (*run)(int argc, char** argv);
    const char* usage;
};

constexpr Command kCommands[] = {
    {"convert", CmdConvert,
     "[--rect X0,Y0,X1,Y1] [--target WxH] [--depth 1|8|24] [--memory] [--rle] "
     "[--reduce N [--method M]] [--fixed cube|vga [--dither ordered|diffuse]] "
     "[--grey | --tone | --hsv | --from-hsv] [--bilevel MODE | --from-bilevel [--smooth]] "
     "[--option N] [--trns V] [--resize WxH [--filter 0|1]] [--rotate DEG [--sampling 1]] "
     "[--mirror] [--flip] [--quality Q] [--flags F] [--density X,Y,U] [--thumb-size S] "
     "[--mode M] [--compression N] [--page P] [--index I] [--alpha OUT.pgm] IN OUT"},
    {"pages", CmdPages, "FILE.tif"},
    {"thumbnail", CmdThumbnail, "[--mode 1] IN.jpg WxH OUT.ppm"},
    {"info", CmdInfo, "FILE"},
    {"text", CmdText, "FILE.png KEYWORD"},
    {"clipboard", CmdClipboard, "[--depth 1|8|24] IN OUT.dib"},
    {"capture", CmdCapture, "[--screen-depth 1|4|8|32] [--depth 1|8|24] IN OUT.ppm|.bmp|.png"},
    {"scale-bitmap", CmdScaleBitmap, "IN WxH OUT.ppm"},
    {"print", CmdPrint,
     "[--printer NAME] [--rect L,T,R,B] [--halftone 0|1|2] [--frame W] [--title T] "
     "[--abort-at N] IN"},
    {"show", CmdShow,
     "[--screen-depth 1|4|8|32] [--dither 0|1|2] [--at X,Y] [--depth 1|8|24] IN OUT.ppm"},
};

static_assert(harness::kHelpExit == kExitOk && harness::kUsageExit == kExitUsage);

}  // namespace

int main(int argc, char** argv) {
    int exitCode = 0;
    const Command* command =
        harness::ChooseCommand("tarvex-image", kCommands, argc, argv, exitCode);
    if (command == nullptr) return exitCode;
    SetUpPaths();
    return command->run(argc - 2, argv + 2);
}
