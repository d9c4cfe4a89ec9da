#include "preview/Tfm_info.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vc {

namespace {
constexpr int kEditLeft = 122;
constexpr int kRowHeight = 30;
constexpr int kFirstRowTop = 26;
}  // namespace

Tfm_info::Tfm_info(QWidget* parent) : QDialog(parent) {
    setObjectName("fm_info");
    setWindowTitle("Properties");
    setModal(true);
    // Fixed single border with only the system menu.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(556, 484);
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
        auto* box = new QGroupBox("Basic Info", this);
        box->setGeometry(8, top, 540, height);
        int y = kFirstRowTop;
        for (const Line& l : lines) {
            auto* label = new QLabel(l.label, box);
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
          {{"Duration:", &ed_duration, "ed_duration"}, {"Bit Rate:", &ed_videobit, "ed_videobit"}});
    group(126, 139,
          {{"Format:", &ed_videoformat, "ed_videoformat"},
           {"Resolution:", &ed_resolution, "ed_resolution"},
           {"Frame Rate:", &ed_frame, "ed_frame"}});
    group(265, 170,
          {{"Format:", &ed_audioformat, "ed_audioformat"},
           {"Bit Rate:", &ed_audiobit, "ed_audiobit"},
           {"Sample Rate:", &ed_sample, "ed_sample"},
           {"Channels:", &ed_channels, "ed_channels"}});

    Button1 = new QPushButton("OK", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(440, 448, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &Tfm_info::Button1Click);
}

void Tfm_info::FormShow(const Toriginalinfo& info) {
    auto text = [](const std::string& s) { return QString::fromStdString(s); };
    ed_duration->setText(text(info.durationText));
    ed_videobit->setText(text(info.videoRate) + " Kb/s");
    ed_videoformat->setText(text(info.videoFormat));
    ed_resolution->setText(text(info.pictureSize));
    ed_frame->setText(text(info.frameRate));
    ed_audioformat->setText(text(info.audioFormat));
    ed_audiobit->setText(text(info.audioRate) + " Kb/s");
    ed_sample->setText(text(info.sampleRate));
    ed_channels->setText(text(info.channels));
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
