#include "preview/Tfm_info.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "core/timeutil.h"
#include "core/trackchoice.h"

namespace vc {

namespace {
constexpr int kEditLeft = 122;
constexpr int kRowHeight = 30;
constexpr int kFirstRowTop = 26;
}  // namespace

Tfm_info::Tfm_info(QWidget* parent) : QDialog(parent) {
    setObjectName("fm_info");
    setWindowTitle(tr("Properties"));
    setModal(true);
    // Fixed single border with only the system menu.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(556, 604);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xFA, 0xFE, 0xFB));  // 16514810 as BGR
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setStyleSheet("QLineEdit { background: white; color: black; border: 1px solid #b8c0cc; }");

    struct Line {
        const char* label;
        QLineEdit** edit;
        const char* name;
    };
    auto group = [this](int top, int height, std::initializer_list<Line> lines) {
        auto* box = new QGroupBox(tr("Basic Info"), this);
        box->setGeometry(8, top, 540, height);
        int y = kFirstRowTop;
        for (const Line& l : lines) {
            auto* label = new QLabel(tr(l.label), box);
            label->setGeometry(16, y + 2, kEditLeft - 24, 18);
            auto* edit = new QLineEdit(box);
            edit->setObjectName(l.name);
            edit->setReadOnly(true);
            edit->setGeometry(kEditLeft, y, 400, 21);
            *l.edit = edit;
            y += kRowHeight;
        }
    };
    group(8, 113,
          {{QT_TR_NOOP("Duration:"), &ed_duration, "ed_duration"},
           {QT_TR_NOOP("Bit Rate:"), &ed_videobit, "ed_videobit"}});
    group(126, 139,
          {{QT_TR_NOOP("Format:"), &ed_videoformat, "ed_videoformat"},
           {QT_TR_NOOP("Resolution:"), &ed_resolution, "ed_resolution"},
           {QT_TR_NOOP("Frame Rate:"), &ed_frame, "ed_frame"}});
    group(265, 170,
          {{QT_TR_NOOP("Format:"), &ed_audioformat, "ed_audioformat"},
           {QT_TR_NOOP("Bit Rate:"), &ed_audiobit, "ed_audiobit"},
           {QT_TR_NOOP("Sample Rate:"), &ed_sample, "ed_sample"},
           {QT_TR_NOOP("Channels:"), &ed_channels, "ed_channels"}});

    auto* tracks = new QGroupBox(tr("Tracks"), this);
    tracks->setGeometry(8, 440, 540, 120);
    lb_tracks = new QListWidget(tracks);
    lb_tracks->setObjectName("lb_tracks");
    lb_tracks->setGeometry(16, 22, 508, 88);
    lb_tracks->setSelectionMode(QAbstractItemView::NoSelection);

    Button1 = new QPushButton(tr("OK"), this);
    Button1->setObjectName("Button1");
    // Right edge fixed; wider when the caption of the interface's language needs it.
    const int buttonWidth = std::max(75, Button1->sizeHint().width());
    Button1->setGeometry(515 - buttonWidth, 568, buttonWidth, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &Tfm_info::Button1Click);
}

void Tfm_info::FormShow(const Toriginalinfo& info, const TrimRecord& trim) {
    auto text = [](const std::string& s) { return QString::fromStdString(s); };
    // The probe fills in stand-in rates and a picture size for streams a file does not have;
    // a stream is there when the probe read its format.
    const bool video = !info.videoFormat.empty();
    const bool audio = !info.audioFormat.empty();
    auto rate = [](bool has, const std::string& kbps) {
        return has && !kbps.empty() ? QString::fromStdString(kbps) + " Kb/s" : QString();
    };
    const bool trimmed = trim.total > 0 && (trim.begin != 0 || trim.end != trim.total);
    ed_duration->setText(trimmed ? text(info.durationText) + " of " + text(SecondsToHms(trim.total))
                                 : text(info.durationText));
    ed_videobit->setText(rate(video, info.videoRate));
    ed_videoformat->setText(text(info.videoFormat));
    ed_resolution->setText(video ? text(info.pictureSize) : QString());
    ed_frame->setText(video ? text(info.frameRate) : QString());
    ed_audioformat->setText(text(info.audioFormat));
    ed_audiobit->setText(rate(audio, info.audioRate));
    ed_sample->setText(audio ? text(info.sampleRate) : QString());
    ed_channels->setText(audio ? text(info.channels) : QString());
    lb_tracks->clear();
    for (const std::string& line : TrackDescriptions(info)) lb_tracks->addItem(text(line));
    // Centred on the main window.
    if (QWidget* owner = parentWidget()) {
        const QRect g = owner->frameGeometry();
        move(g.center() - rect().center());
    }
}

void Tfm_info::Button1Click() {
    accept();
}

}  // namespace vc
