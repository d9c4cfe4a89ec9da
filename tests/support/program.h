#pragma once
// The program's windows created in their order, over a program folder and a private
// settings folder, as the program body does.
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "core/jobrecords.h"
#include "fake_effects.h"

namespace vc {
class Tfm_main;
class Tfm_dir;
class Tfm_about;
class Tfm_set;
class Tfm_show;
class Tfm_info;
class Tfm_dvdcutter;
}  // namespace vc

namespace vc::test {

// A copy of the built program folder that a test may change (files are symlinked, so
// removing or replacing one does not touch the build).
class ProgramFolder {
  public:
    ProgramFolder();
    std::string Path() const { return dir_.path().toStdString() + "/"; }
    void Remove(const std::string& name);
    void Write(const std::string& name, const std::string& text);

  private:
    QTemporaryDir dir_;
};

class Program {
  public:
    // exeName: the name the program was started under; programDir: defaults to the build's
    // program folder. The settings folder is private to this object unless configHome is given.
    explicit Program(const std::string& exeName = "VideoConverter",
                     const std::string& programDir = "", const std::string& configHome = "");
    ~Program();
    // Shows the main window (runs the start-up sequence).
    void Show();
    // Asks the main window to close; true when it closed.
    bool Close();

    FakeEffects fx;
    std::unique_ptr<Tfm_main> fm_main;
    Tfm_dir* fm_dir = nullptr;
    Tfm_about* fm_about = nullptr;
    Tfm_set* fm_set = nullptr;
    Tfm_show* fm_show = nullptr;
    Tfm_info* fm_info = nullptr;
    Tfm_dvdcutter* fm_dvdcutter = nullptr;
    std::string configHome;

  private:
    std::unique_ptr<QTemporaryDir> ownConfig_;
};

// Starts a batch whose runs start nothing and never end by themselves (a job is added when
// the list is empty), and ends it again: for tests of what the window does during a batch.
void HoldBatch(Tfm_main& w);
void ReleaseBatch(Tfm_main& w);
// Starts a preview of the first row (added when the list is empty) through a library that
// plays nothing and never ends by itself, and stops it again.
void HoldPreview(Tfm_main& w);
void ReleasePreview(Tfm_main& w);
// A probed 10 s clip of 320x240 at 500 + 128 kbit/s that need not exist.
Toriginalinfo TenSecondClip(const std::string& sourcePath);

// Waits until the window's add of files has ended: rows appended, failures reported.
bool WaitForAdding(Tfm_main& w, int timeoutMs = 60000);

// Lets queued events run for about ms milliseconds.
void Pump(int ms = 0);
// Pumps until pred() is true or timeoutMs has passed; returns pred().
bool WaitFor(const std::function<bool()>& pred, int timeoutMs);

}  // namespace vc::test
