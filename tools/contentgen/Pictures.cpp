#include "Pictures.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "Backgrounds.h"
#include "FighterPictures.h"
#include "PlainSprites.h"
#include "Screens.h"

namespace contentgen {

bool generate_pictures(const std::string& data_folder) {
    const std::string graphics = data_folder + "/graphics";
    for (const char* sub : {"/agents", "/sprites", "/screens"}) {
        std::error_code err;
        std::filesystem::create_directories(graphics + sub, err);
        if (err) {
            std::fprintf(stderr, "contentgen: cannot create %s%s: %s\n", graphics.c_str(), sub, err.message().c_str());
            return false;
        }
    }
    return write_fighter_pictures(graphics + "/agents") && write_plain_sprites(graphics + "/sprites") &&
           write_screens(graphics) && write_backgrounds(graphics + "/screens");
}

}  // namespace contentgen
