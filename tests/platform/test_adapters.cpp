// SPDX-License-Identifier: GPL-3.0-or-later
// The platform adapters with their real back ends: message boxes (recorded and real), the
// single-instance lock, the hand cursor, the Japanese fonts, the help file, modal windows.
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/HelpFile.h"
#include "platform/MessageBoxes.h"
#include "platform/MessageDialog.h"
#include "writing/RubyTextView.h"
#include "platform/Modal.h"

#include <QDialog>
#include <QScrollArea>
#include <QDir>
#include <QFontInfo>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
// Share of an icon's device pixels that differ clearly from the small icon enlarged.
constexpr double SharpIconShare = 0.02;

// The help window's text: its ruby blocks, in order.
QString helpText(const QWidget& parent)
{
    const auto* scroll = parent.findChild<QScrollArea*>(QStringLiteral("HelpText"));
    QString all;
    if (scroll && scroll->widget())
        for (const QObject* o : scroll->widget()->children())
            if (const auto* v = dynamic_cast<const RubyTextView*>(o))
                all += v->text() + QLatin1Char('\n');
    return all;
}
}  // namespace

class TestAdapters : public QObject {
    Q_OBJECT
private slots:
    // Recorded boxes keep their texts in order and answer questions from the queue.
    void recordedMessages()
    {
        MessageBoxes::setRecording(true);
        ShowMessage(nullptr, QStringLiteral("名前を入れてください。"));
        MessageBoxes::queueAnswer(MsgAnswer::Yes);
        QCOMPARE(AskYesNoCancel(nullptr, QStringLiteral("終わってもよいですか？")), MsgAnswer::Yes);
        QCOMPARE(AskYesNo(nullptr, QStringLiteral("もう一度？")), MsgAnswer::No);
        QCOMPARE(MessageBoxes::shown(),
                 (QStringList{QStringLiteral("名前を入れてください。"),
                              QStringLiteral("終わってもよいですか？"),
                              QStringLiteral("もう一度？")}));
        MessageBoxes::setRecording(false);
    }

    // A real question box shows the program's Japanese buttons and returns the one pressed.
    void realQuestionBox()
    {
        MessageBoxes::setRecording(false);
        QString seen;
        QTimer::singleShot(0, [&] {
            auto* box = dynamic_cast<MessageDialog*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen = box->textView()->text();
            for (QAbstractButton* b : box->findChildren<QAbstractButton*>())
                if (b->text() == QStringLiteral("はい"))
                    b->click();
        });
        QCOMPARE(AskYesNo(nullptr, QStringLiteral("はじめますか？")), MsgAnswer::Yes);
        QCOMPARE(seen, QStringLiteral("はじめますか？"));
    }

    // The boxes' icon is drawn at the screen's own resolution: at 4.5 device pixels a layout
    // pixel (3840 x 2160) it has edges a small picture enlarged does not.
    void messageIconSharp()
    {
        for (const auto kind : {MessageDialog::Information, MessageDialog::Question}) {
            MessageDialog box(kind, QString(), QStringLiteral("あ"), nullptr);
            box.adjustSize();
            auto* icon = box.findChild<QWidget*>(QStringLiteral("MessageIcon"));
            QVERIFY(icon);
            QCOMPARE(icon->size(), QSize(48, 48));
            const auto render = [icon](qreal ratio) {
                QImage img((QSizeF(icon->size()) * ratio).toSize(), QImage::Format_RGB32);
                img.setDevicePixelRatio(ratio);
                img.fill(QColor(0xff, 0xfb, 0xe8));
                icon->render(&img);
                img.setDevicePixelRatio(1);
                return img;
            };
            const QImage large = render(4.5);
            const QImage small = render(1);
            // Against the small icon enlarged smoothly and enlarged pixel by pixel: a picture
            // drawn large differs from both along its edges.
            double share = 1;
            for (const auto mode : {Qt::SmoothTransformation, Qt::FastTransformation}) {
                const QImage enlarged = small.scaled(large.size(), Qt::IgnoreAspectRatio, mode);
                int differ = 0;
                for (int y = 0; y < large.height(); ++y)
                    for (int x = 0; x < large.width(); ++x) {
                        const QColor a = large.pixelColor(x, y);
                        const QColor b = enlarged.pixelColor(x, y);
                        differ += qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) +
                                      qAbs(a.blue() - b.blue()) >
                                  96;
                    }
                share = std::min(share, double(differ) / (large.width() * large.height()));
            }
            QVERIFY2(share > SharpIconShare, qPrintable(QString::number(share)));
        }
    }

    // The hand cursor is the program's own picture with its hot spot on the fingertip.
    void handCursor()
    {
        InstallHandCursor();
        const QCursor c = HandCursor();
        QCOMPARE(c.shape(), Qt::BitmapCursor);
        QCOMPARE(c.pixmap().size(), QSize(32, 32));
        QCOMPARE(c.hotSpot(), QPoint(12, 2));
        const QImage img = c.pixmap().toImage();
        QVERIFY(img.pixelColor(12, 8).alpha() > 0);   // the finger
        QCOMPARE(img.pixelColor(1, 1).alpha(), 0);    // transparent around it
        QWidget w;
        GiveHandCursor(&w);
        QCOMPARE(w.cursor().shape(), Qt::BitmapCursor);
    }

    // The window faces resolve to the IPA fonts, so Japanese text never shows as boxes.
    void fonts()
    {
        InstallFontSubstitutions();
        QVERIFY(JapaneseFontAvailable());
        QCOMPARE(QFontInfo(PixelFont(16, false, FacePGothic)).family(), QStringLiteral("IPAPGothic"));
        QCOMPARE(QFontInfo(PixelFont(16, false, FaceGothic)).family(), QStringLiteral("IPAGothic"));
        QCOMPARE(PointFont(12).pixelSize(), 16);
        QVERIFY(PixelFont(27, true).bold());
    }

    // Topics, headings, bullets and paragraphs; unreadable headings and comments are skipped.
    void helpFormat()
    {
        const QByteArray text = "# comment\n"
                                "@topic 31 メニュー\n"
                                "== 名前の登録\n"
                                "はじめに 名前を 登録します。\n"
                                "\n"
                                "* ゲームをえらぶ\n"
                                "* 記録を見る\n"
                                "@topic x broken\n"
                                "lost\n"
                                "@topic 33 記録\n"
                                "<b>です</b>\n";
        const QMap<int, HelpTopic> topics = ParseHelpFile(text);
        QCOMPARE(topics.keys(), (QList<int>{31, 33}));
        QCOMPARE(topics[31].title, QStringLiteral("メニュー"));
        QVERIFY(topics[31].html.contains(QStringLiteral("<h3>名前の登録</h3>")));
        QVERIFY(topics[31].html.contains(QStringLiteral("<li>記録を見る</li>")));
        QVERIFY(!topics[31].html.contains(QStringLiteral("lost")));
        QVERIFY(topics[33].html.contains(QStringLiteral("&lt;b&gt;")));
        QVERIFY(ParseHelpFile(QByteArray("\xff\xfe@topic", 8)).isEmpty());
    }

    // The viewer opens at the asked topic, and says so plainly when the file is missing.
    void helpViewer()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Mojimaru.hlp"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("@topic 31 メニュー\nあそびかた\n@topic 33 記録\nきろく\n");
        f.close();
        SetHelpFile(path);
        QWidget parent;
        ShowHelp(&parent, 33);
        QVERIFY(parent.findChild<QScrollArea*>(QStringLiteral("HelpText")));
        QVERIFY(helpText(parent).contains(QStringLiteral("きろく")));
        QVERIFY(!helpText(parent).contains(QStringLiteral("あそびかた")));

        SetHelpFile(dir.filePath(QStringLiteral("none.hlp")));
        QWidget other;
        ShowHelp(&other, 31);
        QVERIFY(helpText(other).contains(QStringLiteral("見つかりません")));
    }

    // Modal windows run through the hook in tests and through exec() otherwise.
    void modalHook()
    {
        QDialog d;
        Modal::setHook([](QDialog* dialog) {
            dialog->setObjectName(QStringLiteral("driven"));
            return 7;
        });
        QCOMPARE(ExecModal(&d), 7);
        QCOMPARE(d.objectName(), QStringLiteral("driven"));
        Modal::setHook({});
        QTimer::singleShot(0, &d, [&d] { d.done(3); });
        QCOMPARE(ExecModal(&d), 3);
    }
};

QTEST_MAIN(TestAdapters)
#include "test_adapters.moc"
