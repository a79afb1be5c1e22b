#include "Coverage.h"

#include "ai/AI.h"
#include "level/LevelScript.h"

void Coverage::report_unused(Report& report) const {
    const char* const catalogue = "Stories/index.txt";
    for (const LevelScript::Command& c : LevelScript::commands())
        if (!commands.count(c.keyword))
            report.warning(catalogue, 0, std::string("no story uses the command ") + c.keyword);
    for (const std::string& name : AI::controller_names())
        if (!controllers.count(name))
            report.warning(catalogue, 0, "no story uses the controller " + name);
}
