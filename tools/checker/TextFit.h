#pragma once
#include <string>
#include <vector>

#include "Report.h"

// Whether lines of text fit on the screen, measured in the game's font exactly as the game
// draws them: pages from (50, 40), 40 pixels a line, within x 750 and y 560; subtitles at
// the foot of the screen, within x 750. Needs TextMaker started.
class TextFit {
  public:
    struct Line {
        int number;
        std::string text;
    };

    // A page of lines, rendered as UTF-8 (script pages) or as Latin-1 (intro pages).
    static void check_page(Report& report, const std::string& path, const std::vector<Line>& page,
                           bool utf8);
    static void check_subtitle(Report& report, const std::string& path, const Line& line);

  private:
    // Reports a line whose right edge, drawn from the page's left margin, passes the screen's.
    static void check_width(Report& report, const std::string& path, const Line& line, bool utf8,
                            const char* what);
};
