// Writes a stress level game folder for measurements (see tools/stress_level.h):
//
//     rz_make_stress_level FOLDER [objects=20000] [tiles=200] [onscreen=1000] [movers=500]
//                          [colliders=5000] [mirrors=20] [animated=100] [seed=1]
//                          [width=1920] [height=1080] [smooth=1] [map=1]
//
// then  cd FOLDER && RERIZUVA2 --headless --frames 300 --timing
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

#include "tools/stress_level.h"

namespace {

bool setValue(stress::StressLevel& level, std::string_view key, std::int64_t value) {
    struct Field {
        std::string_view key;
        std::int32_t stress::StressLevel::*field;
    };
    static constexpr Field kFields[] = {
        {"objects", &stress::StressLevel::objects},
        {"tiles", &stress::StressLevel::tileNames},
        {"onscreen", &stress::StressLevel::onScreen},
        {"movers", &stress::StressLevel::movers},
        {"colliders", &stress::StressLevel::colliders},
        {"mirrors", &stress::StressLevel::mirrors},
        {"animated", &stress::StressLevel::animated},
        {"width", &stress::StressLevel::screenWidth},
        {"height", &stress::StressLevel::screenHeight},
        {"smooth", &stress::StressLevel::appSmooth},
        {"map", &stress::StressLevel::map},
    };
    if (key == "seed") {
        level.seed = static_cast<std::uint64_t>(value);
        return true;
    }
    for (const Field& f : kFields) {
        if (f.key != key) continue;
        if (value < 0 || value > 10'000'000) return false;
        level.*f.field = static_cast<std::int32_t>(value);
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: rz_make_stress_level FOLDER [key=value ...]\n", stderr);
        return 2;
    }
    stress::StressLevel level;
    for (int i = 2; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const std::size_t equals = argument.find('=');
        std::int64_t value = 0;
        const std::string_view text =
            equals == std::string_view::npos ? std::string_view{} : argument.substr(equals + 1);
        const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
        if (equals == std::string_view::npos || parsed.ec != std::errc{} ||
            parsed.ptr != text.data() + text.size() ||
            !setValue(level, argument.substr(0, equals), value)) {
            std::fprintf(stderr, "rz_make_stress_level: bad argument %s\n", argv[i]);
            return 2;
        }
    }
    const int failures = stress::writeStressGame(argv[1], level);
    std::printf("rz_make_stress_level: %d objects over %d tile names in %s\n", level.objects,
                level.tileNames, argv[1]);
    return failures == 0 ? 0 : 1;
}
