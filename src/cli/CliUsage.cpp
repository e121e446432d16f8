#include "cli/CliUsage.h"

namespace brindlecast
{

const std::string_view kMainUsage = R"(Usage: brindlecast-cli COMMAND [ARGUMENTS]

Turns still and animated GIF images and JPEG photos into Flash movies (SWF 6, compressed).

Commands:
  convert PROJECT.imx      run a project's own packing mode
  make [OPTIONS] IMAGE...  convert images without a project file
  info IMAGE...            print the properties of GIF and JPEG files
  split GIF [--out DIR]    write every frame of a GIF as a GIF file of its own

Run "brindlecast-cli COMMAND --help" for the options of a command.

Standard output of convert and make carries the report lines and nothing else: one line per
movie written and per problem, each ending in a line feed. Progress (only on a terminal) and
messages go to standard error. Ctrl+C stops a run before its next image. Stamps follow the
user's locale (%x, %X); SOURCE_DATE_EPOCH, when set, fixes the time they show.

Exit status: 0 when every movie was written without an error line, 1 when the run wrote error
lines or its report could not be written (or info or split failed on a file), 2 for a usage
error or a refused project.
)";

const std::string_view kConvertUsage = R"(Usage: brindlecast-cli convert [--threads N] PROJECT.imx

Converts the project's images with the project's own packing mode and options, as "Start
Conversion" does in the program. The project file is never rewritten: a bare output name is
completed (the program's folder, ".swf") for this run only. The frame rate and the image delay
are taken into the ranges of the program's option controls (1 to 100, 0 to 1000).

--threads N sets how many threads compress the pictures, 1 to 64 (default: one per core); the
movie is the same for every count.

Validation messages ("Please add Images." and the others) go to standard error, exit status 2.
)";

const std::string_view kMakeUsage = R"(Usage: brindlecast-cli make [OPTIONS] IMAGE...

Converts GIF (.gif) and JPEG (.jpg) images, in the order given, without a project file.

Options (defaults are those of a new project):
  -m, --mode MODE          all: every picture in one timed movie (default)
                           each: one movie per picture, written beside its source
                           library: one movie that exports every picture by name
                           (0, 1 and 2 name the same modes)
  -o, --output FILE        the movie of the modes all and library (default untitled.swf in
                           the current folder); the extension becomes ".swf"
  -r, --frame-rate N       frames per second, 1 to 100 (default 12)
  -d, --delay N            movie frames each picture stays on screen, 0 to 1000 (default 1)
  -l, --link URL           address a click on the movie opens, "" for none
                           (default http://www.example.com/brindlecast/)
  -t, --target NAME        browser window the link opens in (default _blank)
  -b, --background #RRGGBB background colour (default #FFFFFF)
      --threads N          threads that compress the pictures, 1 to 64 (default: one per
                           core); the movie is the same for every count
  -h, --help               show this text

Relative paths are taken relative to the current folder.
)";

const std::string_view kInfoUsage = R"(Usage: brindlecast-cli info IMAGE...

Prints the image information of each GIF (.gif) and JPEG (.jpg) file: file name, size,
width and height, and the format's own values, one "Caption: value" line each, with a blank
line between files.
)";

const std::string_view kSplitUsage = R"(Usage: brindlecast-cli split GIF [--out DIR]

Writes every frame of GIF as a single-frame GIF file named after the source with "_F" and the
frame number (walk.gif gives walk_F1.gif, walk_F2.gif, ...), beside the source or in DIR.
Existing files of these names are replaced. Prints one "PATH successfully saved." line per file.
)";

} // namespace brindlecast
