// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's moving pictures: each stays inside its own tile (its picture and caption, clear of
// every other entry), a click on it does what a click on its caption does, the mouse over it
// marks its caption, and it shows the hand cursor.
#include "MenuFixture.h"
#include "MenuTestSupport.h"
#include "aftergame/TF_Game_Seiseki.h"
#include "data/Tables.h"
#include "menu/CaptionLabel.h"
#include "menu/MenuEntries.h"
#include "menu/TF_Main.h"
#include "platform/AnimateControl.h"
#include "platform/HandCursor.h"
#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

namespace {
TF_Game_Seiseki* openGrades() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* g = qobject_cast<TF_Game_Seiseki*>(w); g && g->isVisible())
            return g;
    return nullptr;
}
} // namespace

class TestMenuPictures : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        qApp->setQuitOnLastWindowClosed(false);
        InstallHandCursor();
    }

    // Every picture and caption lies in its entry's tile and no tile overlaps another, so no
    // clip draws over another entry's caption.
    void picturesStayInTheirTiles() {
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        MenuPtr menu = MakeMenu();
        const QSize panel = menu->Pnl_Game->size();
        for (int n = 1; n <= 7; ++n) {
            const QRect tile = MenuEntryTile(n, panel.width(), panel.height());
            QVERIFY2(tile.contains(menu->animation(n)->geometry()), qPrintable(QString::number(n)));
            QVERIFY2(tile.contains(menu->caption(n)->geometry()), qPrintable(QString::number(n)));
            for (int m = 1; m <= 7; ++m)
                if (m != n)
                    QVERIFY(!tile.intersects(MenuEntryTile(m, panel.width(), panel.height())));
        }
    }

    void pictureClick_data() {
        QTest::addColumn<bool>("recordMode");
        QTest::addColumn<int>("game");
        for (int n = 1; n <= 7; ++n) {
            QTest::newRow(qPrintable(QStringLiteral("game %1, no player").arg(n))) << false << n;
            QTest::newRow(qPrintable(QStringLiteral("game %1, records").arg(n))) << true << n;
        }
    }
    void pictureClick() {
        QFETCH(bool, recordMode);
        QFETCH(int, game);
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        MenuPtr menu = MakeMenu();
        menu->show();
        if (recordMode)
            menu->Spdbtn_KirokuClick();
        AnimateControl* picture = menu->animation(game);
        QCOMPARE(picture->cursor().shape(), Qt::BitmapCursor);
        // The mouse moving over it, as the window system reports it (no button held).
        const QPointF at = picture->rect().center();
        QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &move);
        QCOMPARE(menu->caption(game)->palette().color(QPalette::WindowText), QColor(Qt::red));
        QTest::mouseClick(picture, Qt::LeftButton, {}, picture->rect().center());
        if (!recordMode) {
            QCOMPARE(MessageBoxes::shown(),
                     QStringList{QStringLiteral("ゲームをする人の名前をえらんでください ")});
            QVERIFY(menu->isVisible());
            return;
        }
        QCOMPARE(Cur_Game, std::int16_t(game));
        TF_Game_Seiseki* grades = openGrades();
        QVERIFY(grades);
        grades->Btn_EndClick();
        QVERIFY(menu->isVisible());
    }
};

QTEST_MAIN(TestMenuPictures)
#include "test_menu_pictures.moc"
