// SPDX-License-Identifier: GPL-3.0-or-later
// The writing practice and the answers screen open over the program's one window and stand in
// its middle, as every window's layout does: on a 5:4 screen (1280 x 1024 at twice the size,
// 640 x 512) with even bands above and below, on 16:9 with bands at the sides.
#include "aftergame/TF_Game_Kotae.h"
#include "aftergame/practice/TF_Kaki_Renshuu.h"
#include "data/StrokeData.h"
#include "data/Tables.h"
#include "platform/CentredLayout.h"
#include "platform/Modal.h"
#include "platform/ProgramHostWindow.h"
#include "platform/ProgramWindow.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using DialogMaker = std::function<QDialog*(QWidget*)>;
Q_DECLARE_METATYPE(DialogMaker)

class TestPracticePlacement : public QObject {
    Q_OBJECT
  private slots:
    void centred_data() {
        QTest::addColumn<DialogMaker>("make");
        QTest::addColumn<QSize>("screen");
        const DialogMaker practice = [](QWidget* parent) {
            return new TF_Kaki_Renshuu(1, {1}, 0, parent);
        };
        const DialogMaker answers = [](QWidget* parent) {
            return new TF_Game_Kotae(1, {}, parent);
        };
        for (const QSize screen : {QSize(640, 512), QSize(854, 480), QSize(640, 480)}) {
            QTest::addRow("practice at %dx%d", screen.width(), screen.height())
                << practice << screen;
            QTest::addRow("answers at %dx%d", screen.width(), screen.height())
                << answers << screen;
        }
    }
    void centred() {
        QFETCH(DialogMaker, make);
        QFETCH(QSize, screen);
        TestEnv env(true);
        ForgetSharedStrokeStore();
        WriteSampleKanjiData(env);
        Cur_Player = 0;
        Modal::setHook({}); // the real run over the program's window
        ProgramHostWindow host;
        host.setWindowState(Qt::WindowNoState);
        host.setGeometry(QRect(QPoint(0, 0), screen));
        auto* below = new QWidget(&host);
        below->setGeometry(host.rect());
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        host.resize(screen);
        QCOMPARE(host.size(), screen);

        std::unique_ptr<QDialog> dialog(make(below));
        QPoint boxAt(-1, -1);
        QSize boxSize;
        bool seen = false;
        QTimer::singleShot(0, dialog.get(), [&] {
            seen = true;
            if (const QWidget* box = LayoutBox(dialog.get())) {
                boxAt = box->mapTo(&host, QPoint(0, 0));
                boxSize = box->size();
            } else {
                boxAt = dialog->mapTo(&host, QPoint(0, 0));
                boxSize = dialog->size();
            }
            dialog->reject();
        });
        ExecModal(dialog.get());
        QVERIFY(seen);
        QCOMPARE(boxSize, QSize(640, 480));
        QCOMPARE(boxAt, CentredLayoutPos(screen, boxSize));
    }
};

QTEST_MAIN(TestPracticePlacement)
#include "test_practice_placement.moc"
