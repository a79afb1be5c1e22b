#pragma once
#include <set>
#include <string>

#include "Report.h"

// What of the script language and of the controller factory the checked stories use, so that
// the shipped stories can be held to showing all of it.
class Coverage {
  public:
    void command(const std::string& keyword) { commands.insert(keyword); }
    void controller(const std::string& name) { controllers.insert(name); }
    // A warning on the catalogue for every command and every controller no story uses.
    void report_unused(Report& report) const;

  private:
    std::set<std::string> commands;
    std::set<std::string> controllers;
};
