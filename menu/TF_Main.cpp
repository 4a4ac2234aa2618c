// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/TF_Main.h"

#include "aftergame/TF_Game_Seiseki.h"
#include "aftergame/plan/TF_Kyou_Renshuu.h"
#include "aftergame/practice/TF_Kaki_Sel.h"
#include "data/ErrorReports.h"
#include "data/HandwritingPads.h"
#include "data/KanjiFiles.h"
#include "data/MainMenu.h"
#include "data/ProgramDir.h"
#include "data/RecordsDir.h"
#include "data/Rules.h"
#include "data/SaveFiles.h"
#include "data/Tables.h"
#include "menu/CaptionLabel.h"
#include "menu/GameWindows.h"
#include "menu/KanaSwitch.h"
#include "menu/MenuEntries.h"
#include "menu/MenuIcons.h"
#include "menu/MenuMusic.h"
#include "menu/PracticeEntry.h"
#include "menu/RecordsSaving.h"
#include "menu/Registration.h"
#include "menu/TF_Pop.h"
#include "menu/UpDown.h"
#include "platform/AnimateControl.h"
#include "platform/BufferBetweenPaints.h"
#include "platform/CentredLayout.h"
#include "platform/Cp932.h"
#include "platform/Fonts.h"
#include "writing/Furigana.h"
#include "platform/HandCursor.h"
#include "platform/HelpFile.h"
#include "writing/HiraganaInput.h"
#include "writing/KanaTable.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "platform/PopPictures.h"
#include "platform/ProgramEnd.h"
#include "platform/ProgramHostWindow.h"
#include "platform/ProgramWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>

TF_Main* F_Main = nullptr;

namespace {
const QColor Navy(0, 0, 128);
const QColor Yellow(255, 255, 0);
const QString MsgScreenTooSmall = QStringLiteral("このディスプレイの解像度では、実行できません");
const QString StatusGame = QStringLiteral("ゲームをする");
const QString StatusKiroku = QStringLiteral("記録を見る");
const QString CaptionTouroku = QStringLiteral("名前の登録");
const QString CaptionGame = QStringLiteral("ゲームをする");
const QString CaptionTableOpen = QStringLiteral("ひらがな表");
const QString CaptionTableClose = QStringLiteral("表をしまう");

void setTextColor(QWidget* w, const QColor& color) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, color);
    w->setPalette(pal);
}

void setBackground(QWidget* w, const QColor& color) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, color);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

} // namespace

TF_Main::TF_Main(std::unique_ptr<DisplayModeSource> source, QWidget* parent)
    : QWidget(parent), source_(std::move(source)) {
    F_Main = this;
    SetMainMenu(this);
    PrepareProgramWindow(this, Navy);
    ReleaseBufferWhileHidden(this);
    FormCreate();
}

TF_Main::~TF_Main() {
    RecordsSaving::stop();
    // The screen's scale may change only while no window exists: ours goes first.
    if (auto* host = dynamic_cast<ProgramHostWindow*>(ProgramHost()); host && parentWidget() == host)
        host->releaseNativeWindow();
    else
        destroy();
    FormDestroy();
    if (F_Main == this)
        F_Main = nullptr;
}

int TF_Main::S(int v) const {
    return static_cast<int>(v * Disp_Scale);
}

// ---- start-up -------------------------------------------------------------------------------

void TF_Main::FormCreate() {
    // 1-2: the display first, since the whole layout depends on it.
    if (!prepareDisplay())
        return;
    buildControls();

    // 3: over the whole (logical) screen. Inside the program's window, that window shows now
    // with the splash picture; the menu waits hidden until the start-up is done.
    QWidget* host = ProgramHost() && parentWidget() == ProgramHost() ? ProgramHost() : nullptr;
    if (host) {
        hide();
        ShowProgramWindow(host);
    }
    FitToScreen(this);

    // 4: the splash screen paints before the slow part of the start-up.
    F_Pop = new TF_Pop(host);
    F_Pop->show();
    // Below the menu at once: inside the program's window, or, as a window of its own, below the
    // menu's window that X made first (a window manager would keep it below anyway).
    F_Pop->lower();
    F_Pop->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    // 5: Exe_Dir was set by the entry (tests set their own).
    SetHelpFile(ProgramFile(QStringLiteral("Mojimaru.hlp")));

    QString failed;
    // 6-7
    if (!buildMenuEntries(&failed)) {
        FileErrorReport(this, failed);
        failStartup({});
        return;
    }
    for (QWidget* w : std::initializer_list<QWidget*>{Btn_Seiseki, Btn_Touroku, Btn_End, Lst_Player,
                                                      Btn_N_Touroku, Btn_Kanahyou, Btn_Tegaki,
                                                      UD_Gakunen, Spdbtn_Kiroku, Btn_Help})
        GiveHandCursor(w);
    GiveHandCursor(UD_Gakunen->upButton());
    GiveHandCursor(UD_Gakunen->downButton());

    // 8-10
    SetConstantTables();
    if (!loadData(&failed)) {
        FileErrorReport(this, failed);
        failStartup({});
        return;
    }

    // 11-12
    Midi_Count = MidiDeviceCount();
    music_->setFiles();
    created_ = true;
    RecordsSaving::start(this);
}

bool TF_Main::prepareDisplay() {
    if (!source_)
        source_ = ScreenModeSource::forPrimaryScreen();
    ChangeDisplay.Attach(source_.get());

    int need;
    int index;
    if (DispModeForPixelsPerInch(source_->pixelsPerInch()) == 2) {
        Disp_Scale = 1;
        Disp_Mode = 2;
        ChangeDisplay.ChangeTo640();
        need = 640;
        index = ChangeDisplay.Index640();
    } else {
        Disp_Mode = 1;
        Disp_Scale = 1.25;
        ChangeDisplay.ChangeTo800();
        need = 800;
        index = ChangeDisplay.Index800();
    }
    if (index == -1 && source_->current().width < need) {
        ShowMessage(this, MsgScreenTooSmall);
        failStartup({});
        return false;
    }
    return true;
}

void TF_Main::failStartup(const QString& message) {
    if (!message.isEmpty())
        ShowMessage(this, message);
    CloseMainMenu();
    EndProgram();
}

void TF_Main::buildControls() {
    setWindowTitle(QApplication::applicationDisplayName());
    setFont(PixelFont(S(16)));

    Client = CentreLayout(this, QSize(S(634), S(450)));

    Lbl_Title = new QLabel(QStringLiteral("もじまる(ゲーム集）"), Client);
    Lbl_Title->setFont(PixelFont(S(27), true));
    setTextColor(Lbl_Title, Yellow);
    Lbl_Title->move(S(17), S(8));
    Lbl_Title->adjustSize();

    Lbl_Version = new QLabel(QStringLiteral("Ver 1.11"), Client);
    Lbl_Version->setFont(PixelFont(S(12)));
    setTextColor(Lbl_Version, Qt::white);
    Lbl_Version->adjustSize();
    Lbl_Version->move(Lbl_Title->geometry().right() + S(12),
                      Lbl_Title->geometry().bottom() - Lbl_Version->height() - S(2));

    Btn_Help = new QPushButton(QStringLiteral("ヘルプ"), Client);
    Btn_Help->setGeometry(S(521), S(10), S(96), S(30));
    Btn_Help->setToolTip(QStringLiteral("ヘルプを読みます"));
    connect(Btn_Help, &QPushButton::clicked, this, &TF_Main::Btn_HelpClick);

    // The players: list, school year of the chosen one, grades of everybody.
    Grp_Player = new QGroupBox(QStringLiteral("ゲームをする人"), Client);
    Grp_Player->setGeometry(S(17), S(46), S(384), S(94));
    setTextColor(Grp_Player, Qt::white);
    Lst_Player = new QListWidget(Grp_Player);
    Lst_Player->setGeometry(S(10), S(22), S(220), S(64));
    Lst_Player->setFont(PixelFont(S(16), true, FaceGothic));
    Lst_Player->setToolTip(QStringLiteral("ゲームをする人をえらびます"));
    connect(Lst_Player, &QListWidget::itemClicked, this, &TF_Main::Lst_PlayerClick);
    // The selection, not the current line: a list taking the keyboard focus makes its first line
    // current by itself, and that must not choose anybody.
    connect(Lst_Player, &QListWidget::itemSelectionChanged, this, &TF_Main::Lst_PlayerClick);
    Lbl_Player_Nen = new QLabel(QStringLiteral("年"), Grp_Player);
    Lbl_Player_Nen->setFont(PixelFont(S(24), true));
    setTextColor(Lbl_Player_Nen, Qt::white);
    Lbl_Player_Nen->setGeometry(S(240), S(38), S(56), S(32));
    Btn_Seiseki = new QPushButton(QStringLiteral("記録"), Grp_Player);
    Btn_Seiseki->setGeometry(S(298), S(36), S(76), S(36));
    Btn_Seiseki->setToolTip(QStringLiteral("ゲームの記録を見ます"));
    connect(Btn_Seiseki, &QPushButton::clicked, this, &TF_Main::Btn_SeisekiClick);

    Btn_Touroku = new QPushButton(CaptionTouroku, Client);
    Btn_Touroku->setGeometry(S(411), S(62), S(104), S(36));
    Btn_Touroku->setToolTip(QStringLiteral("名前を登録します"));
    connect(Btn_Touroku, &QPushButton::clicked, this, &TF_Main::Btn_TourokuClick);
    Btn_End = new QPushButton(QStringLiteral("終わり"), Client);
    Btn_End->setGeometry(S(521), S(62), S(96), S(36));
    Btn_End->setToolTip(QStringLiteral("もじまるを終わります"));
    connect(Btn_End, &QPushButton::clicked, this, &TF_Main::Btn_EndClick);

    // The game panel; the seven entries arrive with the start-up, the mode buttons take the
    // eighth place.
    Pnl_Game = new TrackingPanel(Client);
    Pnl_Game->setGeometry(S(17), S(146), S(600), S(300));
    Pnl_Game->setMouseTracking(true);
    setBackground(Pnl_Game, Navy);
    connect(Pnl_Game, &TrackingPanel::mouseMoved, this, &TF_Main::Pnl_GameMouseMove);

    const QPoint slot8 = MenuEntryPos(4, S(600), S(300)) + QPoint(0, S(150));
    Spdbtn_Game = new QToolButton(Pnl_Game);
    Spdbtn_Kiroku = new QToolButton(Pnl_Game);
    Spdbtn_Game->setIcon(GameModeIcon());
    Spdbtn_Kiroku->setIcon(RecordModeIcon());
    for (QToolButton* b : {Spdbtn_Game, Spdbtn_Kiroku}) {
        b->setCheckable(true);
        b->setIconSize(QSize(S(36), S(36)));
    }
    Spdbtn_Game->setGeometry(slot8.x() + S(22), slot8.y() + S(24), S(48), S(48));
    Spdbtn_Kiroku->setGeometry(slot8.x() + S(80), slot8.y() + S(24), S(48), S(48));
    Spdbtn_Game->setToolTip(QStringLiteral("ゲームをする"));
    Spdbtn_Kiroku->setToolTip(QStringLiteral("ゲームの記録を見る"));
    modeGroup_ = new QButtonGroup(this);
    modeGroup_->setExclusive(true);
    modeGroup_->addButton(Spdbtn_Game);
    modeGroup_->addButton(Spdbtn_Kiroku);
    Spdbtn_Game->setChecked(true);
    connect(Spdbtn_Game, &QToolButton::clicked, this, &TF_Main::Spdbtn_GameClick);
    connect(Spdbtn_Kiroku, &QToolButton::clicked, this, &TF_Main::Spdbtn_KirokuClick);
    Lbl_Status = new QLabel(StatusGame, Pnl_Game);
    Lbl_Status->setFont(PixelFont(S(16), true));
    setTextColor(Lbl_Status, Qt::white);
    Lbl_Status->setAlignment(Qt::AlignCenter);
    Lbl_Status->setGeometry(slot8.x(), slot8.y() + S(84), S(150), S(24));

    // Registration, in the game panel's place. The fields and buttons stay in the upper part so
    // the hiragana table opens below them without covering anything.
    Grp_Touroku = new QGroupBox(QStringLiteral("名前の登録"), Client);
    Grp_Touroku->setGeometry(Pnl_Game->geometry());
    setTextColor(Grp_Touroku, Qt::white);
    auto* nameLabel = new QLabel(QStringLiteral("名前"), Grp_Touroku);
    nameLabel->setFont(PixelFont(S(21), true));
    nameLabel->setGeometry(S(36), S(38), S(60), S(34));
    Edt_Name = new QLineEdit(Grp_Touroku);
    Edt_Name->setFont(PixelFont(S(21), true, FaceGothic));
    Edt_Name->setMaxLength(20);
    Edt_Name->setInputMethodHints(Qt::ImhNoPredictiveText);
    Edt_Name->setGeometry(S(100), S(36), S(250), S(36));
    Kana_Switch = new KanaSwitch(Edt_Name, S(46), S(36), Grp_Touroku);
    Kana_Switch->move(S(356), S(36));
    Spdbtn_Kana = Kana_Switch->kanaButton();
    Spdbtn_Eiji = Kana_Switch->abcButton();
    Edt_Gakunen = new QLineEdit(QStringLiteral("1"), Grp_Touroku);
    Edt_Gakunen->setFont(PixelFont(S(21), true, FaceGothic));
    Edt_Gakunen->setMaxLength(1);
    Edt_Gakunen->setAlignment(Qt::AlignCenter);
    Edt_Gakunen->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[1-4]")), Edt_Gakunen));
    Edt_Gakunen->setToolTip(QStringLiteral("学年をえらびます"));
    Edt_Gakunen->setGeometry(S(470), S(36), S(36), S(36));
    UD_Gakunen = new UpDown(Grp_Touroku, Edt_Gakunen, 1, 4);
    UD_Gakunen->setToolTip(QStringLiteral("学年をえらびます"));
    UD_Gakunen->setGeometry(S(506), S(36), S(20), S(36));
    auto* nenLabel = new QLabel(QStringLiteral("年"), Grp_Touroku);
    nenLabel->setFont(PixelFont(S(21), true));
    nenLabel->setGeometry(S(534), S(38), S(40), S(34));
    for (QLabel* l : {nameLabel, nenLabel})
        setTextColor(l, Qt::white);
    Btn_Kanahyou = new QPushButton(CaptionTableOpen, Grp_Touroku);
    Btn_Kanahyou->setFont(PixelFont(S(16), true));
    Btn_Kanahyou->setGeometry(S(100), S(84), S(130), S(40));
    Btn_Kanahyou->setToolTip(QStringLiteral("ひらがなの表で名前を入れます"));
    // The name field keeps the focus while the table opens and closes.
    Btn_Kanahyou->setFocusPolicy(Qt::NoFocus);
    connect(Btn_Kanahyou, &QPushButton::clicked, this, &TF_Main::Btn_KanahyouClick);
    Btn_N_Touroku = new QPushButton(QStringLiteral("登録"), Grp_Touroku);
    Btn_N_Touroku->setFont(PixelFont(S(18), true));
    Btn_N_Touroku->setGeometry(S(250), S(84), S(100), S(40));
    Btn_N_Touroku->setToolTip(QStringLiteral("名前を登録します"));
    connect(Btn_N_Touroku, &QPushButton::clicked, this, &TF_Main::Btn_N_TourokuClick);
    connect(Edt_Name, &QLineEdit::returnPressed, this, &TF_Main::Btn_N_TourokuClick);
    Btn_Tegaki = new QPushButton(QStringLiteral("てがき"), Grp_Touroku);
    Btn_Tegaki->setFont(PixelFont(S(16), true));
    Btn_Tegaki->setGeometry(S(362), S(84), S(110), S(40));
    Btn_Tegaki->setToolTip(QStringLiteral("てがきで 名前を かきます"));
    Btn_Tegaki->setFocusPolicy(Qt::NoFocus);
    connect(Btn_Tegaki, &QPushButton::clicked, this, &TF_Main::Btn_TegakiClick);
    Kana_Table = new KanaTable(Grp_Touroku, S(28));
    Kana_Table->move((Grp_Touroku->width() - Kana_Table->width()) / 2, S(136));
    Kana_Table->setTargets({Edt_Name});
    Kana_Table->hide();
    Grp_Touroku->hide();

    music_ = new MenuMusic(this);
    MP_1 = music_->player(1);
    MP_2 = music_->player(2);
    MP_3 = music_->player(3);
    MP_4 = music_->player(4);
    for (MediaPlayer* p : {MP_1, MP_2, MP_3, MP_4})
        connect(p, &MediaPlayer::notify, this, &TF_Main::MP_1Notify);
}

bool TF_Main::buildMenuEntries(QString* failedFile) {
    const int w = Pnl_Game->width();
    const int h = Pnl_Game->height();
    for (int n = 1; n <= 7; ++n) {
        auto* anim = new AnimateControl(Pnl_Game);
        animations_[static_cast<size_t>(n)] = anim;
        anim->setToolTip(GameAnimationHint(n));
        const QString file = QStringLiteral("Game%1.AVI").arg(n);
        if (!anim->open(ProgramFile(file))) {
            *failedFile = file;
            return false;
        }
        auto* label = new CaptionLabel(n, Pnl_Game);
        captions_[static_cast<size_t>(n)] = label;
        label->setText(GameCaption(n));
        label->setToolTip(GameHint(n));
        label->setFont(PointFont(S(12), true, FacePGothic));
        setBackground(label, Navy);
        setTextColor(label, Qt::white);
        GiveHandCursor(label);
        label->adjustSize();

        // The clip sets the size, within the entry's tile, leaving room for the caption below it:
        // a clip taller than that shows its middle, and nothing of it reaches another entry.
        const QRect tile = MenuEntryTile(n, w, h);
        const QSize frame = anim->frameSize();
        const int room = tile.height() - S(10) - label->height();
        anim->setGeometry(
            QRect(tile.topLeft(), QSize(std::min(frame.width(), tile.width()),
                                        std::max(0, std::min(frame.height(), room)))));
        label->resize(std::min(label->width(), tile.width()), label->height());
        label->move(anim->x(), anim->geometry().bottom() + 1 + S(10));
        anim->play();
        anim->lower();
        // The big moving picture starts its game as the caption does.
        anim->setMouseTracking(true);
        GiveHandCursor(anim);
        connect(anim, &AnimateControl::clicked, this, [this, n] { CaptionClick(n); });
        connect(anim, &AnimateControl::mouseMoved, this, [this, n] { CaptionMouseMove(n); });
        connect(label, &CaptionLabel::clicked, this, &TF_Main::CaptionClick);
        connect(label, &CaptionLabel::mouseMoved, this, &TF_Main::CaptionMouseMove);
    }
    // Writing practice, in the free room right of the players.
    Pnl_Kaku = new PracticeEntry(ProgramFile(QStringLiteral("Kaku.AVI")),
                                 PointFont(S(12), true, FacePGothic), Pnl_Game, Client);
    Pnl_Kaku->setGeometry(S(411), S(102), S(206), S(40));
    Pnl_Kaku->animation()->setGeometry(0, 0, S(64), S(40));
    Pnl_Kaku->caption()->move(S(70), (S(40) - Pnl_Kaku->caption()->height()) / 2);
    Pnl_Kaku->setVisible(Pnl_Game->isVisibleTo(Client));
    connect(Pnl_Kaku, &PracticeEntry::clicked, this, &TF_Main::Btn_KakuClick);
    // Today's practice, in the free room right of the title.
    Pnl_Kyou = new PracticeEntry(QString(), PointFont(S(12), true, FacePGothic), Pnl_Game, Client);
    Pnl_Kyou->caption()->setText(QStringLiteral("きょうのれんしゅう"));
    Pnl_Kyou->caption()->setToolTip(QStringLiteral("きょうの ふくしゅうと あたらしい かんじ"));
    Pnl_Kyou->caption()->adjustSize();
    const int kyouX = std::max(S(304), Lbl_Version->geometry().right() + 1 + S(16));
    Pnl_Kyou->setGeometry(kyouX, S(16), Btn_Help->x() - S(8) - kyouX, S(28));
    Pnl_Kyou->caption()->move(0, (S(28) - Pnl_Kyou->caption()->height()) / 2);
    Pnl_Kyou->setVisible(Pnl_Game->isVisibleTo(Client));
    connect(Pnl_Kyou, &PracticeEntry::clicked, this, &TF_Main::Btn_KyouClick);
    return true;
}

bool TF_Main::loadData(QString* failedFile) {
    if (!LoadKanjiTable() || !KanjiTableHasSchoolYears(Kanji_Tbl)) {
        *failedFile = KanjiFileName;
        return false;
    }
    ClearPlayersAndRecords();
    Lst_Player->clear();
    if (!LoadPlayersAndRecords(failedFile))
        return false;
    for (int i = 1; i <= Player_Count; ++i)
        Lst_Player->addItem(Player_Tbl[i].Name.text());
    if (!LoadMondaiIndex()) {
        *failedFile = MondaiIdxFileName;
        return false;
    }
    return BuildPopPictures(PopPictureSide(Disp_Mode), ProgramFile, failedFile);
}

// ---- the window's events ----------------------------------------------------------------------

void TF_Main::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous() && created_) {
        FormShow();
        FormActivate();
    }
}

void TF_Main::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous() && created_)
        FormHide();
}

void TF_Main::closeEvent(QCloseEvent* event) {
    // Closed by the window manager (Alt+F4, the session): save first; a save that fails asks,
    // as the end button does.
    if (event->spontaneous() && created_ &&
        !RecordsSaving::saveChanges(RecordsSaving::Report::AskToEnd)) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TF_Main::FormShow() {
    if (!music_)
        return;
    if (musicAfterFirstFrame_) {
        musicAfterFirstFrame_ = false;
        music_->startAfterFirstFrame();
    } else {
        music_->start();
    }
}

void TF_Main::FormHide() {
    if (music_)
        music_->stop();
}

void TF_Main::MP_1Notify() {
    if (music_)
        music_->trackEnded();
}

void TF_Main::FormActivate() {
    if (Player_Count >= 1) {
        Pnl_Game->show();
        Grp_Player->show();
        Grp_Touroku->hide();
    } else {
        Pnl_Game->hide();
        Grp_Player->hide();
        Grp_Touroku->show();
        Edt_Name->setFocus(); // the first child can type at once
    }
    Btn_Touroku->setVisible(CanOpenRegistration(Player_Count));
    Btn_Touroku->setText(Grp_Touroku->isVisible() ? CaptionGame : CaptionTouroku);
}

void TF_Main::FormClose() {
    if (F_Pop) {
        F_Pop->close();
        F_Pop = nullptr;
    }
}

void TF_Main::FormDestroy() {
    if (source_)
        ChangeDisplay.RestoreCurrent();
    ChangeDisplay.Clear();
}

// ---- modes and game captions ----------------------------------------------------------------

bool TF_Main::isRecordMode() const {
    return Spdbtn_Kiroku && Spdbtn_Kiroku->isChecked();
}

void TF_Main::Spdbtn_GameClick() {
    Spdbtn_Game->setChecked(true);
    Lbl_Status->setText(StatusGame);
    Spdbtn_Game->unsetCursor();
    GiveHandCursor(Spdbtn_Kiroku);
}

void TF_Main::Spdbtn_KirokuClick() {
    Spdbtn_Kiroku->setChecked(true);
    Lbl_Status->setText(StatusKiroku);
    Spdbtn_Kiroku->unsetCursor();
    GiveHandCursor(Spdbtn_Game);
}

void TF_Main::CaptionMouseMove(int game) {
    for (int n = 1; n <= 7; ++n)
        setTextColor(caption(n), n == game ? Qt::red : Qt::white);
}

void TF_Main::Pnl_GameMouseMove() {
    for (int n = 1; n <= 7; ++n)
        setTextColor(caption(n), Qt::white);
}

void TF_Main::CaptionClick(int game) {
    // The rest of a double-click, or clicks queued while the window opened, reach the hidden
    // menu: they open nothing more.
    if (opened_ && opened_->isVisible()) {
        opened_->raise();
        opened_->activateWindow();
        return;
    }
    if (isRecordMode()) {
        Btn_GameseisekiClick(game);
        return;
    }
    if (Cur_Player == 0) {
        ShowMessage(this, MsgChoosePlayer);
        return;
    }
    Btn_GameClick(game);
}

void TF_Main::showPreparing(int game) {
    ShowMessage(this, QStringLiteral("「%1」は じゅんびちゅうです。").arg(GameCaption(game)));
}

void TF_Main::Btn_GameClick(int game) {
    StartGame(game);
    QWidget* window = CreateGameWindow(game);
    if (!window) {
        showPreparing(game);
        return;
    }
    opened_ = window;
    ShowProgramWindow(window);
    hide();
}

void TF_Main::Btn_KakuClick() {
    if (Cur_Player == 0) {
        ShowMessage(this, MsgChoosePlayer);
        return;
    }
    if (opened_ && opened_->isVisible())
        return;
    auto* window = new TF_Kaki_Sel(Cur_Player);
    opened_ = window;
    ShowProgramWindow(window);
    hide();
}

void TF_Main::Btn_KyouClick() {
    if (Cur_Player == 0) {
        ShowMessage(this, MsgChoosePlayer);
        return;
    }
    if (opened_ && opened_->isVisible())
        return;
    auto* window = new TF_Kyou_Renshuu(Cur_Player);
    opened_ = window;
    ShowProgramWindow(window);
    hide();
}

void TF_Main::openGrades(int game) {
    if (opened_ && opened_->isVisible())
        return;
    Cur_Game = static_cast<std::int16_t>(game);
    auto* window = new TF_Game_Seiseki();
    opened_ = window;
    ShowProgramWindow(window);
    hide();
}

void TF_Main::Btn_GameseisekiClick(int game) {
    openGrades(game);
}

void TF_Main::Btn_SeisekiClick() {
    openGrades(0);
}

void TF_Main::Btn_HelpClick() {
    ShowHelp(this, 31);
}

void TF_Main::Btn_EndClick() {
    QString failed;
    // Nothing is lost while the menu stays: a parent may free the disk and press again, or end
    // without the records after being told what could not be written and where.
    if (!SavePlayersAndRecords(&failed) &&
        AskYesNo(this, SaveErrorEndQuestion(failed, RecordsDir())) != MsgAnswer::Yes)
        return;
    close();
    if (QCoreApplication::instance()->property("moji_loop").toBool())
        QCoreApplication::quit();
}

// ---- registration and choice ------------------------------------------------------------------

void TF_Main::Btn_TourokuClick() {
    if (Grp_Touroku->isVisible() && Player_Count == 0) {
        ShowMessage(this, MsgRegisterFirst);
        return;
    }
    const bool registering = !Grp_Touroku->isVisible();
    Pnl_Game->setVisible(!registering);
    Grp_Touroku->setVisible(registering);
    if (registering) {
        Btn_Touroku->setToolTip(QStringLiteral("ゲームのメニューを表示します"));
        Btn_Touroku->setText(CaptionGame);
        Grp_Player->hide();
        Edt_Name->setFocus();
    } else {
        Btn_Touroku->setText(CaptionTouroku);
        Btn_Touroku->setToolTip(QStringLiteral("名前の登録画面を表示します"));
        Grp_Player->show();
    }
}

void TF_Main::Btn_N_TourokuClick() {
    HiraganaInput::finish(Edt_Name); // a trailing "n" typed in かな is the child's "ん"
    QByteArray name;
    const NameCheck check = CheckNewName(Edt_Name->text(), &name);
    if (check != NameCheck::Ok) {
        ShowMessage(this, NameCheckMessage(check));
        return;
    }
    const int gakunen = ParseGakunen(Edt_Gakunen->text());
    if (gakunen == 0) {
        ShowMessage(this, MsgGakunenRange);
        return;
    }
    if (!RegisterPlayer(name, gakunen)) {
        ShowMessage(this, MsgPlayersFull);
        return;
    }
    Btn_Touroku->setVisible(CanOpenRegistration(Player_Count));
    Pnl_Game->show();
    Grp_Player->show();
    Grp_Touroku->hide();
    Lst_Player->addItem(Cp932::toUnicode(name));
    Btn_Touroku->setText(CaptionTouroku);
    Edt_Name->clear();
    Kana_Switch->setKana(true); // the next child starts in かな again
}

void TF_Main::Lst_PlayerClick() {
    const QList<QListWidgetItem*> chosen = Lst_Player->selectedItems();
    const int row = chosen.isEmpty() ? -1 : Lst_Player->row(chosen.first());
    if (row < 0 || row >= Player_Count)
        return; // a click that chose no line
    Cur_Player = static_cast<std::int16_t>(row + 1);
    RefreshFurigana();  // the new player's year decides which readings show
    Lbl_Player_Nen->setText(QString::number(Player_Tbl[Cur_Player].Gakunen) + QStringLiteral("年"));
}

void TF_Main::Btn_TegakiClick() {
    OpenHandwritingPad(this, Pad_Tegaki, PadFor::Name, Edt_Name, QStringLiteral("名前"),
                       RectIn(this, Edt_Name));
}

void TF_Main::Btn_KanahyouClick() {
    const bool open = !Kana_Table->isVisible();
    Kana_Table->setVisible(open);
    Btn_Kanahyou->setText(open ? CaptionTableClose : CaptionTableOpen);
    Edt_Name->setFocus();
}
