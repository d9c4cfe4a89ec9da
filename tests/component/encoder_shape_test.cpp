// The shape of the picture through probe, command line and register.dat: a source keeps the
// shape it is shown at inside the profile's frame, measured on the output by FFmpeg.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "core/choicebox.h"
#include "core/invocation.h"
#include "jobs/EncoderRunner.h"
#include "jobs/JobList.h"
#include "jobs/MediaProbe.h"
#include "support/clips.h"
#include "support/program.h"

namespace {

const QString kProgramDir = QStringLiteral(VC_PROGRAM_DIR);
const QString kEncoder = kProgramDir + "/register.dat";

QString RunTool(const QString& tool, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(tool, args);
    if (!p.waitForFinished(120000)) return {};
    return QString::fromUtf8(p.readAll());
}

struct Measured {
    int width = 0, height = 0;  // the frame
    QString sar;                // of the output stream
    int cropW = 0, cropH = 0;   // the picture between the black bars
};

Measured Measure(const QString& path) {
    Measured m;
    const QString info =
        RunTool("ffprobe", {"-v", "error", "-select_streams", "v:0", "-show_entries",
                            "stream=width,height,sample_aspect_ratio", "-of",
                            "default=noprint_wrappers=1", path});
    static const QRegularExpression w("width=(\\d+)"), h("height=(\\d+)"),
        sar("sample_aspect_ratio=(\\S+)");
    m.width = w.match(info).captured(1).toInt();
    m.height = h.match(info).captured(1).toInt();
    m.sar = sar.match(info).captured(1);
    const QString crop =
        RunTool("ffmpeg", {"-hide_banner", "-nostdin", "-i", path, "-vf",
                           "cropdetect=limit=24:round=2:reset=0", "-f", "null", "-"});
    static const QRegularExpression c("crop=(\\d+):(\\d+):(\\d+):(\\d+)");
    for (auto it = c.globalMatch(crop); it.hasNext();) {
        const auto match = it.next();
        m.cropW = match.captured(1).toInt();
        m.cropH = match.captured(2).toInt();
    }
    return m;
}

class PictureShape : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::string Dir() const { return dir.path().toStdString(); }
    std::string probedSar;  // as the last Convert's probe read it

    // Probes the clip, converts it with a generic MPEG-4 profile at `size` and returns the
    // command line used.
    std::string Convert(const std::string& clip, const std::string& size, std::string* out) {
        vc::MediaProbe probe;
        vc::ProbeResult found;
        QString error;
        if (!probe.ProbeAndWait(kEncoder, kProgramDir, QString::fromStdString(clip), found,
                                &error)) {
            ADD_FAILURE() << error.toStdString();
            return {};
        }
        probedSar = found.sampleAspect;
        vc::Job job;
        if (!vc::JobList::FromProbe(QString::fromStdString(clip), found, &job, &error)) {
            ADD_FAILURE() << error.toStdString();
            return {};
        }
        vc::PlainFormatBoxes plain;
        vc::InvocationInputs in;
        vc::SetSelectedProfile(in.profile, 102);
        in.boxes = plain.boxes();
        vc::InitFormatBoxes(in.boxes);
        plain.size.addItem(size);
        plain.size.setCurrentIndex(0);
        plain.video.setCurrentIndex(1);
        plain.audio.setCurrentIndex(2);
        in.profile.arguments = "-vcodec mpeg4 -f avi";
        in.profile.extension = ".avi";
        in.outputFolderText = Dir() + "/out";
        in.caption = QFileInfo(QString::fromStdString(clip)).fileName().toStdString();
        in.job = job.info;
        in.trim = job.trim;
        in.encoderPath = kEncoder.toStdString();
        in.programDirectory = kProgramDir.toStdString();
        const vc::InvocationResult r = vc::BuildInvocation(in);
        if (!r.ok()) {
            ADD_FAILURE() << r.error;
            return {};
        }
        const std::string line = vc::JoinCommandLine(r.rec);
        vc::EncoderRunner runner;
        int exitCode = -1000;
        QObject::connect(&runner, &vc::EncoderRunner::finished, [&](int code) { exitCode = code; });
        runner.Start(QString::fromStdString(line), kProgramDir);
        EXPECT_TRUE(vc::test::WaitFor([&] { return exitCode != -1000; }, 120000)) << line;
        EXPECT_EQ(exitCode, 0) << line;
        *out = r.rec.outputFile;
        return line;
    }
};

}  // namespace

TEST_F(PictureShape, ShownShapeSurvivesBetweenBlackBars) {
    const struct {
        const char* what;
        const char* name;
        const char* make;  // ffmpeg arguments of a white picture of the source's shape
        const char* sar;   // what the probe reads
        const char* frame;
        double shape;  // the picture's shape in the output
    } cases[] = {
        {"16:9 into 4:3", "wide.mp4",
         "-f lavfi -i color=c=white:s=720x404:r=10 -t 1 -c:v mpeg4 -q:v 2", "1:1", "640x480",
         16.0 / 9.0},
        {"anamorphic DVD picture", "dvd.mkv",
         "-f lavfi -i color=c=white:s=720x480:r=10 -t 1 -vf setsar=32/27 -c:v mpeg4 -q:v 2",
         "32:27", "640x480", 16.0 / 9.0},
        {"4:3 into 16:9", "tv.mp4", "-f lavfi -i color=c=white:s=640x480:r=10 -t 1 -c:v mpeg4",
         "1:1", "640x360", 4.0 / 3.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string clip = vc::test::MakeClip(Dir(), c.name, c.make);
        ASSERT_FALSE(clip.empty());
        std::string out;
        const std::string line = Convert(clip, c.frame, &out);
        ASSERT_FALSE(out.empty());
        EXPECT_EQ(probedSar, c.sar);
        const Measured m = Measure(QString::fromStdString(out));
        EXPECT_EQ(QString("%1x%2").arg(m.width).arg(m.height).toStdString(), c.frame)
            << "the frame stays the profile's";
        EXPECT_EQ(m.sar, "1:1") << line;
        ASSERT_GT(m.cropH, 0) << line;
        const double shape = static_cast<double>(m.cropW) / m.cropH;
        EXPECT_NEAR(shape, c.shape, 0.02 * c.shape) << m.cropW << "x" << m.cropH << " " << line;
    }
}

TEST_F(PictureShape, SameShapeKeepsTheCommandLine) {
    const std::string clip = vc::test::MakeClip(
        Dir(), "same.mp4", "-f lavfi -i color=c=white:s=640x480:r=10 -t 1 -c:v mpeg4");
    ASSERT_FALSE(clip.empty());
    std::string out;
    const std::string line = Convert(clip, "320x240", &out);
    EXPECT_EQ(line.find("-vf"), std::string::npos) << line;
    EXPECT_NE(line.find(" -s 320x240  -ar "), std::string::npos) << line;
    const Measured m = Measure(QString::fromStdString(out));
    EXPECT_EQ(m.width, 320);
    EXPECT_EQ(m.height, 240);
    EXPECT_EQ(m.cropW, 320) << "no bars";
}
