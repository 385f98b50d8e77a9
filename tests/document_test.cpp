// The open document: which file the work is, whether it changed since, and the window's title.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/texts.h"
#include "tests/engine_edits.h"
#include "ui/commands.h"
#include "ui/file_names.h"
#include "ui/form.h"
#include "ui/recent_files.h"
#include "ui/workspace_form.h"

using namespace vemrik;

namespace {

const std::string kCaption = "Vemrik - vemrik@example.org";

struct Step {
    const char* what;
    std::function<void(TForm1&, ImportUndo&)> act;
    bool modified;
    std::string pl, en;     // the title in either language
    bool undoable = false;  // "Cofnij importu"
};

void keep(TForm1& form, const char* path) { form.document.keep(path, form.engine); }

}  // namespace

TEST(Document, ModifiedByVersionsWithTheTitleInEitherLanguage) {
    const Step steps[] = {
        {"start-up", [](TForm1&, ImportUndo&) {}, false, kCaption, kCaption},
        {"a wheel drawn",
         [](TForm1& f, ImportUndo&) {
             setRobot(f.engine, [](ProgramState& s) { s.RobotGrid.at(4, 6) = 3; });
         },
         true, "Bez nazwy* - " + kCaption, "Untitled* - " + kCaption},
        {"saved", [](TForm1& f, ImportUndo&) { keep(f, "/tory/tor.vemrik"); }, false,
         "tor.vemrik - " + kCaption, "tor.vemrik - " + kCaption},
        {"a picture imported",
         [](TForm1& f, ImportUndo& u) {
             u = f.ImportTrack({{}, {{3, 4}}}, ImportPlacement::Add);
         },
         true, "tor.vemrik* - " + kCaption, "tor.vemrik* - " + kCaption, true},
        {"the import taken back", [](TForm1& f, ImportUndo&) { f.UndoLastImport(); }, false,
         "tor.vemrik - " + kCaption, "tor.vemrik - " + kCaption},
        {"a cell drawn and rubbed out by hand",
         [](TForm1& f, ImportUndo&) {
             setTrack(f.engine, [](ProgramState& s) { s.MapGrid.at(3, 4) = kLine; });
             setTrack(f.engine, [](ProgramState& s) { s.MapGrid.at(3, 4) = 0; });
         },
         true, "tor.vemrik* - " + kCaption, "tor.vemrik* - " + kCaption},
        {"another file opened",
         [](TForm1& f, ImportUndo&) {
             applyWorkspace(f, Workspace{});
             keep(f, "/tory/owal.vemrik");
         },
         false, "owal.vemrik - " + kCaption, "owal.vemrik - " + kCaption},
        {"a new work", [](TForm1& f, ImportUndo&) { keep(f, ""); }, false, kCaption, kCaption},
    };
    TForm1 form;
    ImportUndo undo;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act(form, undo);
        EXPECT_EQ(form.document.modified(form.engine), step.modified);
        EXPECT_EQ(commandState(form, "file.undoImport").enabled, step.undoable);
        EXPECT_EQ(form.document.title(form.engine), step.pl);
        speakCore(Language::English);
        EXPECT_EQ(form.document.title(form.engine), step.en);
        speakCore(Language::Polish);
    }
}

TEST(Document, RecentFilesNewestFirstOnceAndAtMostEight) {
    std::vector<std::string> list;
    for (const char* file : {"a", "b", "c", "d", "e", "f", "g", "h", "i"}) list = recentWith(list, file);
    EXPECT_EQ(list, (std::vector<std::string>{"i", "h", "g", "f", "e", "d", "c", "b"}));
    list = recentWith(list, "e");
    EXPECT_EQ(list, (std::vector<std::string>{"e", "i", "h", "g", "f", "d", "c", "b"}));
    EXPECT_EQ(recentWithout(list, "i").size(), 7u);
    EXPECT_EQ(recentCaption(0, "oval.vemrik"), "&1 oval.vemrik");
}

TEST(Document, NamesOfSavedFilesAndPictures) {
    const std::pair<std::string, std::string> names[] = {
        {savedFileName("  tor ", "vemrik"), "tor.vemrik"},
        {savedFileName("tor.vemrik", "vemrik"), "tor.vemrik"},
        {savedFileName("tor.csv", "vemrik"), "tor.csv.vemrik"},
        {savedFileName(" \t", "csv"), ""},
        {pictureFileName("/home/a/oval.v2.vemrik", "mapa"), "oval.v2-mapa.png"},
        {pictureFileName("", "robot"), "vemrik-robot.png"},
    };
    for (const auto& [got, want] : names) EXPECT_EQ(got, want);
}
