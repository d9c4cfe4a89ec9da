#include "shell/TrackChoiceBoxes.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "jobs/JobList.h"

namespace vc {

TrackChoiceBoxes::TrackChoiceBoxes(QComboBox* sound, QComboBox* subtitle, JobList* jobs,
                                   Rows selectedRows, Extension outputExtension, QObject* parent)
    : QObject(parent),
      sound_(sound),
      subtitle_(subtitle),
      jobs_(jobs),
      selectedRows_(std::move(selectedRows)),
      outputExtension_(std::move(outputExtension)) {
    connect(sound_, &QComboBox::activated, this, &TrackChoiceBoxes::SoundChosen);
    connect(subtitle_, &QComboBox::activated, this, &TrackChoiceBoxes::SubtitleChosen);
    Refresh();
}

std::vector<int> TrackChoiceBoxes::Targets() const {
    std::vector<int> out;
    const std::vector<int> rows = selectedRows_();
    const Job* first = rows.empty() ? nullptr : jobs_->At(rows.front());
    if (!first) return out;
    for (int row : rows)
        if (const Job* j = jobs_->At(row); j && SameTracks(first->info, j->info))
            out.push_back(row);
    return out;
}

void TrackChoiceBoxes::Refresh() {
    const QSignalBlocker soundBlock(sound_), subtitleBlock(subtitle_);
    sound_->clear();
    subtitle_->clear();
    subtitleEntries_.clear();
    const std::vector<int> rows = Targets();
    const Job* job = rows.empty() ? nullptr : jobs_->At(rows.front());
    if (job) {
        for (const std::string& text : SoundEntries(job->info))
            sound_->addItem(QString::fromStdString(text));
        sound_->setCurrentIndex(SoundEntryOf(job->info, job->choice));
        subtitleEntries_ = SubtitleEntries(job->info, KeepsSubtitleTracks(outputExtension_()));
        for (const SubtitleEntry& e : subtitleEntries_)
            subtitle_->addItem(QString::fromStdString(e.text));
        subtitle_->setCurrentIndex(SubtitleEntryOf(subtitleEntries_, job->choice));
    }
    sound_->setEnabled(sound_->count() > 1);
    subtitle_->setEnabled(subtitle_->count() > 1);
}

void TrackChoiceBoxes::SoundChosen(int entry) {
    for (int row : Targets()) {
        const Job* j = jobs_->At(row);
        const auto sound = SoundTracks(j->info);
        if (entry < 0 || entry >= static_cast<int>(sound.size())) continue;
        TrackChoice choice = j->choice;
        choice.sound = sound[static_cast<size_t>(entry)]->stream;
        jobs_->SetChoice(row, choice);
    }
}

void TrackChoiceBoxes::SubtitleChosen(int entry) {
    if (entry < 0 || entry >= static_cast<int>(subtitleEntries_.size())) return;
    const SubtitleEntry& e = subtitleEntries_[static_cast<size_t>(entry)];
    for (int row : Targets()) {
        TrackChoice choice = jobs_->At(row)->choice;
        choice.subtitle = e.subtitle;
        choice.subtitleAsTrack = e.asTrack;
        jobs_->SetChoice(row, choice);
    }
}

}  // namespace vc
