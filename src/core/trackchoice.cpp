#include "core/trackchoice.h"

#include <QLocale>
#include <QString>
#include <map>

#include "core/uilanguage.h"

namespace vc {

std::string LanguageName(const std::string& code) {
    if (code.empty() || code == "und") return {};
    const QString c = QString::fromStdString(code).toLower();
    QLocale::Language language = QLocale::AnyLanguage;
    if (c.size() == 2) language = QLocale::codeToLanguage(c, QLocale::ISO639Part1);
    if (c.size() == 3) {
        // Files name languages by the bibliographic codes ("ger", "fre") or the terminology
        // ones ("deu", "fra").
        language = QLocale::codeToLanguage(c, QLocale::ISO639Part2);
        if (language == QLocale::AnyLanguage)
            language = QLocale::codeToLanguage(c, QLocale::ISO639Part2B);
        if (language == QLocale::AnyLanguage)
            language = QLocale::codeToLanguage(c, QLocale::ISO639Part2T);
    }
    if (language == QLocale::AnyLanguage || language == QLocale::C) return code;
    return QLocale::languageToString(language).toStdString();
}

namespace {

std::vector<const MediaTrack*> OfKind(const Toriginalinfo& job, MediaTrack::Kind kind) {
    std::vector<const MediaTrack*> out;
    for (const MediaTrack& t : job.tracks)
        if (t.kind == kind) out.push_back(&t);
    return out;
}

std::string CodecName(const std::string& codec) {
    static const std::map<std::string, std::string> names = {
        {"ac3", "AC-3"},      {"eac3", "E-AC-3"}, {"aac", "AAC"},       {"mp3", "MP3"},
        {"mp2", "MP2"},       {"dts", "DTS"},     {"truehd", "TrueHD"}, {"opus", "Opus"},
        {"vorbis", "Vorbis"}, {"flac", "FLAC"},   {"alac", "ALAC"},     {"wmav2", "WMA"},
        {"amr_nb", "AMR"},
    };
    const auto it = names.find(codec);
    if (it != names.end()) return it->second;
    if (codec.rfind("pcm_", 0) == 0) return "PCM";
    return codec;
}

std::string ChannelName(int channels) {
    switch (channels) {
        case 1:
            return "mono";
        case 2:
            return "stereo";
        case 6:
            return "5.1";
        case 8:
            return "7.1";
        default:
            return channels > 0 ? std::to_string(channels) + " ch" : std::string();
    }
}

std::string SubtitleName(const MediaTrack& t, int place) {
    std::string name = LanguageName(t.language);
    if (name.empty()) name = t.title;
    if (name.empty()) name = Translate("TrackChoice", "Subtitle %1").arg(place + 1).toStdString();
    if (t.stream < 0) {
        const size_t slash = t.file.rfind('/');
        name += " - " + (slash == std::string::npos ? t.file : t.file.substr(slash + 1));
    }
    return name;
}

}  // namespace

std::vector<const MediaTrack*> SoundTracks(const Toriginalinfo& job) {
    return OfKind(job, MediaTrack::Kind::Sound);
}

std::vector<const MediaTrack*> Subtitles(const Toriginalinfo& job) {
    std::vector<const MediaTrack*> streams, files;
    for (const MediaTrack* t : OfKind(job, MediaTrack::Kind::Subtitle))
        (t->stream >= 0 ? streams : files).push_back(t);
    streams.insert(streams.end(), files.begin(), files.end());
    return streams;
}

int DefaultSoundStream(const Toriginalinfo& job) {
    const auto sound = SoundTracks(job);
    for (const MediaTrack* t : sound)
        if (t->isDefault) return t->stream;
    return sound.empty() ? -1 : sound.front()->stream;
}

int ChosenSoundStream(const Toriginalinfo& job, const TrackChoice& choice) {
    for (const MediaTrack* t : SoundTracks(job))
        if (t->stream == choice.sound) return t->stream;
    return DefaultSoundStream(job);
}

std::vector<std::string> SoundEntries(const Toriginalinfo& job) {
    std::vector<std::string> out;
    const auto sound = SoundTracks(job);
    for (size_t i = 0; i < sound.size(); ++i) {
        const MediaTrack& t = *sound[i];
        std::string text = std::to_string(i + 1) + ": ";
        const std::string language = LanguageName(t.language);
        if (!language.empty()) text += language + ", ";
        text += CodecName(t.codec);
        const std::string channels = ChannelName(t.channels);
        if (!channels.empty()) text += " " + channels;
        if (!t.title.empty()) text += " (" + t.title + ")";
        out.push_back(std::move(text));
    }
    return out;
}

int SoundEntryOf(const Toriginalinfo& job, const TrackChoice& choice) {
    const int stream = ChosenSoundStream(job, choice);
    const auto sound = SoundTracks(job);
    for (size_t i = 0; i < sound.size(); ++i)
        if (sound[i]->stream == stream) return static_cast<int>(i);
    return -1;
}

std::vector<SubtitleEntry> SubtitleEntries(const Toriginalinfo& job, bool outputKeepsTracks) {
    std::vector<SubtitleEntry> out{
        {Translate("TrackChoice", "No subtitles").toStdString(), -1, false}};
    const auto subs = Subtitles(job);
    for (size_t i = 0; i < subs.size(); ++i) {
        const std::string name = SubtitleName(*subs[i], static_cast<int>(i));
        out.push_back({Translate("TrackChoice", "%1 (burned in)")
                           .arg(QString::fromStdString(name))
                           .toStdString(),
                       static_cast<int>(i), false});
        if (outputKeepsTracks)
            out.push_back({Translate("TrackChoice", "%1 (as a track)")
                               .arg(QString::fromStdString(name))
                               .toStdString(),
                           static_cast<int>(i), true});
    }
    return out;
}

int SubtitleEntryOf(const std::vector<SubtitleEntry>& entries, const TrackChoice& choice) {
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].subtitle == choice.subtitle && choice.subtitle >= 0 &&
            entries[i].asTrack == choice.subtitleAsTrack)
            return static_cast<int>(i);
    return 0;
}

std::vector<std::string> TrackDescriptions(const Toriginalinfo& job) {
    std::vector<std::string> out;
    const auto soundTexts = SoundEntries(job);
    const auto sound = SoundTracks(job);
    for (size_t i = 0; i < sound.size(); ++i)
        out.push_back((sound[i]->isDefault ? Translate("TrackChoice", "Sound %1 (default)")
                                           : Translate("TrackChoice", "Sound %1"))
                          .arg(QString::fromStdString(soundTexts[i]))
                          .toStdString());
    const auto subs = Subtitles(job);
    for (size_t i = 0; i < subs.size(); ++i) {
        const MediaTrack& t = *subs[i];
        std::string text = Translate("TrackChoice", "Subtitle %1: %2")
                               .arg(i + 1)
                               .arg(QString::fromStdString(SubtitleName(t, static_cast<int>(i))))
                               .toStdString();
        if (t.stream >= 0) {
            text += ", " + t.codec +
                    (t.picture ? Translate("TrackChoice", ", picture").toStdString()
                               : Translate("TrackChoice", ", text").toStdString());
            if (!t.title.empty() && !LanguageName(t.language).empty()) text += " (" + t.title + ")";
        }
        out.push_back(std::move(text));
    }
    return out;
}

PreviewTracks PreviewTracksOf(const Toriginalinfo& job, const TrackChoice& choice) {
    PreviewTracks out;
    out.sound = SoundEntryOf(job, choice) + 1;
    const auto subs = Subtitles(job);
    if (choice.subtitle < 0 || choice.subtitle >= static_cast<int>(subs.size())) return out;
    const MediaTrack& t = *subs[static_cast<size_t>(choice.subtitle)];
    if (t.stream >= 0) {
        out.subtitle = choice.subtitle + 1;
    } else {
        int streams = 0;
        for (const MediaTrack* s : subs) streams += s->stream >= 0 ? 1 : 0;
        out.subtitle = streams + 1;
        out.subtitleFile = t.file;
    }
    return out;
}

bool KeepsSubtitleTracks(const std::string& extension) {
    std::string e;
    for (char c : extension) e += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return e == ".mkv" || e == ".mp4" || e == ".m4v";
}

bool SameTracks(const Toriginalinfo& a, const Toriginalinfo& b) {
    if (SoundEntries(a) != SoundEntries(b)) return false;
    const auto x = Subtitles(a), y = Subtitles(b);
    if (x.size() != y.size()) return false;
    // Subtitle files differ by name from job to job; their language and kind must agree.
    for (size_t i = 0; i < x.size(); ++i)
        if (x[i]->language != y[i]->language || x[i]->picture != y[i]->picture ||
            (x[i]->stream < 0) != (y[i]->stream < 0))
            return false;
    return true;
}

}  // namespace vc
