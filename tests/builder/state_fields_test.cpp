// The builder's state record and its field list: every configuration key reaches its field
// through the reader of its file, and the dump writes every listed field once, in order.
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "builder/configuration.h"
#include "builder/state_dump.h"
#include "fake_host.h"
#include "support/json.h"
#include "support/member_text.h"

namespace builder_tests {
namespace {

using S = builder::BuilderState;
using Reader = void (*)(S&, std::span<const builder::ConfigRecord>);
using Member = std::variant<std::string S::*, std::int32_t S::*, float S::*>;

// Every key with the reader of its file and its field, given the value "7.5": texts keep
// it, paths get the base directory in front, integers keep 7, floats 7.5. GUIH also fills
// its second copy.
TEST(BuilderStateFields, EveryConfigurationKeyReachesItsField) {
    struct Row {
        Reader reader;
        std::string_view key;
        Member member;
        std::string_view stored;
    };
    const std::vector<Row> rows = {
        {builder::applyDefaultIniScript, "DNA", &S::dnaFile, "7.5"},
        {builder::applyStartIni, "DEFAULTINISCRIPT", &S::defaultIniScript, "7.5"},
        {builder::applyDefaultIniScript, "APPINIFILE", &S::applicationIni, "7.5"},
        {builder::applyApplicationIni, "GUIINI", &S::guiIni, "BASE\\7.5"},
        {builder::applyApplicationIni, "CODECS", &S::codecFile, "BASE\\7.5"},
        {builder::applyApplicationIni, "GFXPATH", &S::gfxPath, "BASE\\7.5"},
        {builder::applyApplicationIni, "LOGFILE", &S::logPath, "BASE\\7.5"},
        {builder::applyCodecFile, "GFXCODEC", &S::gfxCodec, "7.5"},
        {builder::applyApplicationIni, "SNDPATH", &S::soundPath, "BASE\\7.5"},
        {builder::applyApplicationIni, "SAVEPATH", &S::savePath, "BASE\\7.5"},
        {builder::applyApplicationIni, "LOADPATH", &S::loadPath, "BASE\\7.5"},
        {builder::applyApplicationIni, "GFXSCRIPTS", &S::scriptPath, "BASE\\7.5"},
        {builder::applyApplicationIni, "MAPENV", &S::mapPath, "BASE\\7.5"},
        {builder::applyApplicationIni, "UNIVERSE", &S::universePath, "BASE\\7.5"},
        {builder::applyApplicationIni, "DEVELOPEPATH", &S::developPath, "BASE\\7.5"},
        {builder::applyApplicationIni, "DESCRIPTOR", &S::descriptorPath, "BASE\\7.5"},
        {builder::applyApplicationIni, "PROMO", &S::promo, "7"},
        {builder::applyCodecFile, "SOUNDCODEC", &S::soundCodec, "7.5"},
        {builder::applyCodecFile, "MUSICCODEC", &S::musicCodec, "7.5"},
        {builder::applyDefaultIniScript, "RESBASEW", &S::designWidth, "7.5"},
        {builder::applyDefaultIniScript, "RESBASEH", &S::designHeight, "7.5"},
        {builder::applyDefaultIniScript, "WINDOWFLAGS", &S::windowFlags, "7"},
        {builder::applyDefaultIniScript, "DEPTH", &S::colourDepth, "7"},
        {builder::applyDefaultIniScript, "TOP", &S::windowTop, "7"},
        {builder::applyDefaultIniScript, "LEFT", &S::windowLeft, "7"},
        {builder::applyDefaultIniScript, "NAME", &S::windowName, "7.5"},
        {builder::applyGuiIni, "MAXGUIITEMS", &S::maxGuiItems, "7"},
        {builder::applyGuiIni, "USEBGBOX", &S::useBgBox, "7"},
        {builder::applyGuiIni, "GUITOP", &S::guiTop, "7"},
        {builder::applyGuiIni, "GUIH", &S::guiH, "7"},
        {builder::applyGuiIni, "GUIOBJECTSIZE", &S::guiObjectSize, "7"},
        {builder::applyDefaultIniScript, "R", &S::transparentRed, "7"},
        {builder::applyDefaultIniScript, "G", &S::transparentGreen, "7"},
        {builder::applyDefaultIniScript, "B", &S::transparentBlue, "7"},
        {builder::applyDefaultIniScript, "GFXDETAIL", &S::spriteFiltering, "7"},
        {builder::applyDefaultIniScript, "WINDOWMODE", &S::windowMode, "7"},
        {builder::applyDefaultIniScript, "WIDTH", &S::screenWidth, "7.5"},
        {builder::applyDefaultIniScript, "HEIGHT", &S::screenHeight, "7.5"},
        {builder::applyDefaultIniScript, "MAXTILES", &S::maxElements, "7"},
        {builder::applyDefaultIniScript, "MATRIXRASTER", &S::matrixRaster, "7"},
    };
    ASSERT_EQ(rows.size(), 40u);
    for (const Row& row : rows) {
        S state;
        state.baseDirectory = "BASE\\";
        const std::vector<builder::ConfigRecord> records = {{std::string(row.key), "7.5"}};
        row.reader(state, records);
        EXPECT_EQ(testing_support::memberText(state, row.member), row.stored) << row.key;
        S untouched;  // another file's reader leaves the field alone
        untouched.baseDirectory = "BASE\\";
        const Reader other =
            row.reader == builder::applyGuiIni ? builder::applyCodecFile : builder::applyGuiIni;
        const std::string before = testing_support::memberText(untouched, row.member);
        other(untouched, records);
        EXPECT_EQ(testing_support::memberText(untouched, row.member), before) << row.key;
    }
    S state;
    builder::applyGuiIni(state, std::vector<builder::ConfigRecord>{{"GUIH", "12"}});
    EXPECT_EQ(state.guiHCopy, 12);
}

constexpr std::string_view kDumpedFields[] = {
#define FIELD(type, name, ...) #name,
#define CONFIG(type, name, ...) #name,
#define DERIVED(name, value) #name,
#define HIDDEN(...)
#define TABLE(...)
#include "builder/builder_state_fields.h"
};

TEST(BuilderStateFields, TheDumpWritesEveryListedFieldOnceInOrder) {
    FakeHost host;
    builder::Builder builder(host);
    builder.builderState = builder::startBuilderState("/nowhere");
    const auto dump = testing_support::json::parse(builder::dumpBuilderState(builder));
    ASSERT_TRUE(dump.has_value());
    std::vector<std::string> written;
    for (const auto& entry : testing_support::json::member(*dump, "state").items())
        written.push_back(entry.key());
    EXPECT_EQ(written,
              std::vector<std::string>(std::begin(kDumpedFields), std::end(kDumpedFields)));
    EXPECT_EQ(written.size(), 71u);
}

}  // namespace
}  // namespace builder_tests
