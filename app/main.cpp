// invoice: for now opens every data file of the working folder (creating the missing ones) and
// says what it found. The main frame takes over from here later.
#include "dictionary/files.h"
#include "framework/errorclass.h"
#include "framework/iniclass.h"
#include "framework/messagetable.h"
#include "framework/qtpresenter.h"
#include "framework/reportslib.h"
#include "tagging/tags.h"
#include "tagging/taguser.h"

#include <QApplication>

#include <filesystem>
#include <string>

namespace {

constexpr int DataFilesFound = 1000;

// The program's own messages, added to the library's table.
const std::vector<std::uint8_t> &programMessages()
{
    static const fw::MessageDef defs[] = {{DataFilesFound, dict::Notify, "Data Files", "%Message"}};
    static const std::vector<std::uint8_t> block = fw::buildErrorBlock(defs);
    return block;
}

std::string openEveryFile()
{
    std::string found;
    for (dict::FileId file : dict::initialisationOrder()) {
        dict::FileManager &manager = dict::access(file);
        const bool existed = std::filesystem::exists(manager.GetName());
        found += manager.GetName() + ": ";
        if (manager.Open() != dict::Benign) {
            found += "could not be opened\n";
            continue;
        }
        found += std::to_string(manager.Records()) + " records" + (existed ? "" : " (created)") + "\n";
    }
    for (dict::FileId file : dict::initialisationOrder())
        dict::access(file).Close();
    return found;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyquill"));

    fw::ErrorClass errors;
    errors.Init();
    fw::QtMessagePresenter presenter;
    errors.setPresenter(&presenter);
    errors.AddErrors(programMessages());
    fw::INIClass settings;
    settings.Init("Invoice.ini");
    REPORTS::INIT(&errors, &settings);
    ST::RegisterStationTagUsr();

    errors.ThrowMessage(DataFilesFound, openEveryFile());

    REPORTS::KILL();
    ST::ShutDownTag_PtrM();
    ST::ShutDownTag_PosM();
    errors.Kill();
    return 0;
}
