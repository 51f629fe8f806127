#include "engine/reports.h"

#include <ctime>
#include <utility>

#include "engine/base/date_text.h"
#include "engine/engine_settings.h"
#include "engine/media/files.h"
#include "engine/world_object.h"

namespace engine {
namespace {

constexpr std::string_view kDateMask = "%yyyy,%mm,%dd  TIME:%hh:%ii:%ss";

struct ReportSources {
    std::function<base::LocalTime()> localTime;
    std::function<media::DesktopInfo()> desktop;
};

ReportSources& sources() {
    static ReportSources state;
    return state;
}

base::LocalTime systemLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return base::LocalTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                           parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

base::LocalTime currentLocalTime() {
    return sources().localTime ? sources().localTime() : systemLocalTime();
}

media::DesktopInfo currentDesktop() {
    return sources().desktop ? sources().desktop() : media::DesktopInfo{};
}

// Opens a report for appending: the file is created when missing and read to its end.
// The default path, the engine base directory, is not a file and is never opened.
media::TextFile openReport(const std::string& path) {
    if (path == engineSettings.engineBase) return {};
    media::TextFile file = media::TextFile::open(path, media::OpenMode::ReadWrite);
    while (file.isOpen() && !file.atEnd())
        file.readLine();
    return file;
}

const WorldObject& reportedObject() {
    static const WorldObject kNone;
    const std::int32_t index = engineSettings.objectLast;
    // The report runs inside the fault guard: it must not fault on a bad index itself.
    if (index < 0 || static_cast<std::size_t>(index) >= worldObjects.size()) return kNone;
    return worldObjects[static_cast<std::size_t>(index)];
}

std::string number(std::int64_t value) {
    return std::to_string(value);
}

}  // namespace

void setLocalTimeSource(std::function<base::LocalTime()> source) {
    sources().localTime = std::move(source);
}

void setDesktopSource(std::function<media::DesktopInfo()> source) {
    sources().desktop = std::move(source);
}

std::string dateStamp(const base::LocalTime& time) {
    return base::formatDate(kDateMask, time);
}

void warningReport(std::string_view situation) {
    EngineSettings& s = engineSettings;
    if (s.useDebugLog != 1) return;
    const std::string stamp = dateStamp(currentLocalTime());
    media::TextFile file = openReport(s.warningReportPath);
    if (file.isOpen()) {
        file.writeLine("Warning:");
        file.writeLine("Following Situation Caused This Warning:");
        file.writeLine("");
        file.writeLine("RERIZUVA-ENGINE-WARNING:DATE:" + stamp);
        file.writeLine(situation);
        file.writeLine("Program/Engine Is Continued");
        file.writeLine("To Awoid Warnings Add Needed File(s) Or Use Correct Path/Data");
        file.writeLine(
            "This Situation Is NOT Critical, Engine / Application Will Work Fine, But Without "
            "The Missing Data");
        file.writeLine("");
        file.close();
    }
    s.lastWarning = std::string(situation);
}

void fatalReport(const base::EngineFault& fault) {
    EngineSettings& s = engineSettings;
    s.errorDetected = 1;
    const std::string stamp = dateStamp(currentLocalTime());
    media::TextFile file = openReport(s.errorReportPath);
    if (file.isOpen()) {
        const media::DesktopInfo desktop = currentDesktop();
        const WorldObject& object = reportedObject();
        const std::string stars(66, '*');
        file.writeLine("THIS ERROR IS MAP/SEGMENT CONTENT ERROR  PLEASE CHECK CONTENT(FILES):");
        file.writeLine("CHECK ******* SECTION FOR DETAILS, THANK YOU");
        file.writeLine(std::string(98, '-'));
        file.writeLine("-RERIZUVA-ENGINE- ERROR HANDLER: ERROR DATE:" + stamp);
        file.writeLine(base::faultKindText(fault.kind));
        file.writeLine("Module:" + std::string(base::sourceUnitName(fault.position.unit)) +
                       " AT LINE:" + number(fault.position.line));
        file.writeLine("FATAL ERROR,CAN NOT CONTINUE RORAZUZ_CORE, PLEASE CONTACT DEVELOPER");
        file.writeLine("HOST-SYSTEMINFO: ");
        file.writeLine("DESKTOPWIDTH: " + number(desktop.width));
        file.writeLine("DESKTOPHEIGHT: " + number(desktop.height));
        file.writeLine("DESKTOPDEPTH: " + number(desktop.depth));
        file.writeLine("ACTUAL MAP ID# " + number(s.actualMapId));
        file.writeLine("NEXT MAP ID#" + number(s.nextMapId));
        file.writeLine("I/O STOPPED AT ID: " + number(s.objectLast));
        file.writeLine("OBJECTS IN MAP: " + number(s.tileCounter));
        file.writeLine("LAST OBJECT LOAD: " + object.picturePath);
        file.writeLine("OBJECT SPRITE3D ID  " + number(object.sprite3D));
        file.writeLine(stars);
        file.writeLine("LAST MAP SEGMENT: " + s.simCorePath + number(s.actualMapId) + "\\" +
                       number(s.mapLayer));
        file.writeLine("TRYED TO LOAD:" + s.loadFileName);
        file.writeLine("AT MAP SEGMENT LINE: " + number(s.mapLineCounter));
        file.writeLine(s.loadFileName + " IS NOT PART OF THE GFXSYSTEM");
        file.writeLine(stars);
        file.writeLine("OBJECT USE ANIMCONTAINER: " + object.animContainer);
        file.writeLine("OBJECT USE SOUNDFILE: " + object.worldFTileSoundFile);
        file.writeLine("OBJECT SOUND ID: " + number(object.objectSound));
        file.writeLine("I/O PREFETCH " + number(s.ioPrefetch));
        file.writeLine("USE LOAD SCREEN(ANIM) " + number(s.loadPic));
        file.writeLine("PLEASE SEND THIS INFO: " + std::string(kContactAddress) +
                       " OR POST INFO ON DEVELOPERs BOARD");
        file.writeLine("");
        file.close();
    }
    base::disarmFaultGuard();
}

}  // namespace engine
