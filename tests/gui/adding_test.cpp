// Adding a folder of 1,000 files through the window, with a stand-in encoder that answers
// slowly: rows appear while the add runs, and Stop or closing the window ends it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>

#include "app/Tfm_main.h"
#include "core/nativepath.h"
#include "jobs/JobIntake.h"
#include "profiles/Tfm_dir.h"
#include "shell/PictureButton.h"
#include "support/processes.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {

class LongAdd : public ::testing::Test {
  protected:
    void SetUp() override {
        // Answers each file after 20 ms; writes its pid where the test can find it.
        const std::string script = "#!/bin/sh\necho $$ >> '" + pids_.path().toStdString() +
                                   "/pids.txt'\nn=0\n"
                                   "while [ $# -gt 0 ]; do\n"
                                   "  if [ \"$1\" = -vormin ]; then\n"
                                   "    shift; sleep 0.02\n"
                                   "    echo '  Duration: 00:00:05.00, start: 0.000000, bitrate: "
                                   "900 kb/s'\n"
                                   "    echo '    Stream #0.0: Video: h264, yuv420p, 320x240, 800 "
                                   "kb/s, 25.00 fps '\n"
                                   "    echo \"[[probe-end $n 0]]\"; n=$((n+1))\n"
                                   "  fi\n"
                                   "  shift\n"
                                   "done\n";
        folder_.Write("register.dat", script);
        ::chmod((folder_.Path() + "register.dat").c_str(), 0755);
        for (int i = 0; i < 1000; ++i)
            std::ofstream(media_.path().toStdString() + "/clip " + std::to_string(i) + ".mp4");
    }

    // Starts an Add Folder of the 1,000 files and waits until rows are coming in.
    void StartAdding(Program& p) {
        p.fx.onDialog = [&](QDialog* d) {
            if (d == p.fm_dir) p.fm_dir->ChosenDirectory = media_.path().toStdString();
            return int(QDialog::Accepted);
        };
        p.fm_main->AddFolder();
        ASSERT_TRUE(WaitFor([&] { return p.fm_main->Jobs().Count() >= 10; }, 20000));
        ASSERT_LT(p.fm_main->Jobs().Count(), 1000) << "the add was over before it could be ended";
    }

    std::vector<int> Pids() const {
        std::vector<int> pids;
        std::ifstream in(pids_.path().toStdString() + "/pids.txt");
        for (int pid = 0; in >> pid;) pids.push_back(pid);
        return pids;
    }

    bool AllEnded() const {
        for (int pid : Pids())
            if (!WaitFor([&] { return !IsAlive(pid); }, 5000)) return false;
        return true;
    }

    ProgramFolder folder_;
    QTemporaryDir pids_, media_;
};

TEST_F(LongAdd, StopEndsItAndKeepsTheRowsSoFar) {
    Program p("VideoConverter", folder_.Path());
    p.Show();
    Tfm_main& w = *p.fm_main;
    StartAdding(p);
    EXPECT_TRUE(w.button("Bt_Convertstop")->isEnabled()) << "Stop is offered during an add";
    w.RunCommand(Command::Stop);
    const int rows = w.Jobs().Count();
    // The rows so far are the folder's first files, in the folder's order.
    const std::vector<std::string> names = ListFolderNames(media_.path().toStdString());
    for (int r = 0; r < rows; ++r)
        ASSERT_EQ(w.Jobs().Text(r, JobList::CaptionColumn).toStdString() + ".mp4",
                  names[static_cast<std::size_t>(r)]);
    EXPECT_TRUE(AllEnded());
    Pump(300);
    EXPECT_EQ(w.Jobs().Count(), rows) << "no row comes after Stop";
    EXPECT_FALSE(w.button("Bt_Convertstop")->isEnabled());
    EXPECT_TRUE(p.fx.Texts("information").isEmpty());
    EXPECT_FALSE(w.Converting());

    // A new add works as before.
    w.AddMediaFiles({"/m/after stop.mp4"});
    ASSERT_TRUE(WaitForAdding(w));
    EXPECT_EQ(w.Jobs().Count(), rows + 1);
    EXPECT_EQ(w.Jobs().Text(rows, JobList::CaptionColumn), "after stop");
}

TEST_F(LongAdd, RowsComeInAFewLotsNotOneByOne) {
    // Each append makes the window follow the list and repaint: answered one by one, a large
    // add would spend more time on that than on reading the files.
    Program p("VideoConverter", folder_.Path());
    p.Show();
    Tfm_main& w = *p.fm_main;
    int appends = 0;
    QObject::connect(w.findChild<JobIntake*>(), &JobIntake::rowsAppended,
                     [&](int first, int count) {
                         ++appends;
                         EXPECT_EQ(first + count, w.Jobs().Count());
                     });
    QElapsedTimer t;
    t.start();
    StartAdding(p);
    ASSERT_TRUE(WaitFor([&] { return w.Jobs().Count() >= 150; }, 60000));
    const qint64 elapsed = t.elapsed();
    // Ten appends a second at most; one an answer would be about a hundred here. The bound
    // allows twice the rate, so that a late timer or a slow machine cannot fail it.
    EXPECT_LE(appends, 2 + elapsed / 50) << w.Jobs().Count() << " rows in " << elapsed << " ms";
    w.RunCommand(Command::Stop);
    const std::vector<std::string> names = ListFolderNames(media_.path().toStdString());
    for (int r = 0; r < w.Jobs().Count(); ++r)
        ASSERT_EQ(w.Jobs().Text(r, JobList::CaptionColumn).toStdString() + ".mp4",
                  names[static_cast<std::size_t>(r)]);
}

TEST_F(LongAdd, ClosingTheWindowEndsIt) {
    Program p("VideoConverter", folder_.Path());
    p.Show();
    StartAdding(p);
    ASSERT_TRUE(p.Close());
    EXPECT_TRUE(AllEnded());
}

}  // namespace
