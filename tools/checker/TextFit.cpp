#include "TextFit.h"

#include "core/TextMaker.h"
#include "level/LevelScript.h"

namespace {
std::string str(int n) {
    return std::to_string(n);
}
} // namespace

void TextFit::check_page(Report& report, const std::string& path, const std::vector<Line>& page,
                         bool utf8) {
    int y = LevelScript::PAGE_TOP;
    bool too_long = false;
    for (const Line& line : page) {
        check_width(report, path, line, utf8, "line");
        const int bottom = y + TextMaker::size(line.text, utf8).y;
        // Reported once, at the first line that falls off; empty lines show nothing.
        if (!too_long && !line.text.empty() && bottom > LevelScript::PAGE_BOTTOM) {
            too_long = true;
            report.error(path, line.number,
                         "page too long for the screen: this line ends at y " + str(bottom) +
                             ", below " + str(LevelScript::PAGE_BOTTOM));
        }
        y += LevelScript::PAGE_LINE_HEIGHT;
    }
}

void TextFit::check_subtitle(Report& report, const std::string& path, const Line& line) {
    check_width(report, path, line, true, "subtitle");
}

void TextFit::check_width(Report& report, const std::string& path, const Line& line, bool utf8,
                          const char* what) {
    const int right = LevelScript::PAGE_LEFT + TextMaker::size(line.text, utf8).x;
    if (right > LevelScript::PAGE_RIGHT)
        report.error(path, line.number,
                     std::string(what) + " too wide for the screen: it ends at x " + str(right) +
                         ", past " + str(LevelScript::PAGE_RIGHT));
}
