#pragma once
// The sound track box and the subtitle box of the main window: they list the tracks of the
// selected job and set the choice of every selected job that has the same tracks.
#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "core/trackchoice.h"

class QComboBox;

namespace vc {

class JobList;

class TrackChoiceBoxes : public QObject {
    Q_OBJECT
  public:
    using Rows = std::function<std::vector<int>()>;
    using Extension = std::function<std::string()>;
    TrackChoiceBoxes(QComboBox* sound, QComboBox* subtitle, JobList* jobs, Rows selectedRows,
                     Extension outputExtension, QObject* parent = nullptr);

    // Fills both boxes for the selection as it is now.
    void Refresh();

  private:
    // The selected rows whose tracks match the first selected one.
    std::vector<int> Targets() const;
    void SoundChosen(int entry);
    void SubtitleChosen(int entry);

    QComboBox* sound_;
    QComboBox* subtitle_;
    JobList* jobs_;
    Rows selectedRows_;
    Extension outputExtension_;
    std::vector<SubtitleEntry> subtitleEntries_;
};

}  // namespace vc
