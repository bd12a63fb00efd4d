#include "log_view/UCWatchActionsDbase.h"

#include "activity_log/StoreCursorGuard.h"
#include "activity_log/StoreWalk.h"
#include "activity_log/clsActionsDbase.h"
#include "failure/FailureReporter.h"
#include "localisation/Module2.h"
#include "localisation/gclsLanguageChange.h"
#include "log_view/DescriptionEditorDelegate.h"
#include "log_view/LogFilter.h"
#include "log_view/LogListModel.h"
#include "time/Module1.h"
#include "time/OverflowError.h"
#include "totals/TodayTotalCache.h"

#include <QHeaderView>
#include <QTreeView>

#include <array>
#include <optional>

namespace {

constexpr std::array<const char *, LogListModel::kColumns> kColumnKeys = {
    "headDescription", "headDay", "headStartTime", "headEndTime", "headDuration"};
constexpr std::array<int, LogListModel::kColumns> kColumnWidths = {250, 90, 90, 90, 90};

// A column header as TranslateControl sees it: no control name, the column key.
class HeaderTarget : public TranslateTarget
{
public:
    HeaderTarget(LogListModel &model, int column) : m_model(model), m_column(column) {}

    std::optional<std::string> Name() const override { return std::nullopt; }
    std::optional<std::string> Key() const override
    {
        return kColumnKeys[static_cast<std::size_t>(m_column)];
    }
    void SetCaption(const std::string &) override {}
    void SetText(const std::string &text) override { m_model.SetHeaderText(m_column, text); }

private:
    LogListModel &m_model;
    int m_column;
};

// The words of a duration, kept per row as the language it was written in.
enum Wording : std::uint8_t { kNoWords, kDutch, kEnglish };

// Nothing for a language without duration words: the cell keeps what it shows.
std::optional<std::uint8_t> WordingNow()
{
    const std::string &language = gLanguageChange().GetLanguage();
    if (language == "NL")
        return kDutch;
    if (language == "ENG")
        return kEnglish;
    return std::nullopt;
}

std::string DurationText(const clsActionsDbase &store, std::uint8_t wording)
{
    if (!store.ValidStartAndValidEndTime())
        return TranslateText("N/A");
    if (wording == kNoWords)
        return {};
    std::int32_t seconds = 0;
    try {
        seconds = store.ElapsedSeconds();
    } catch (const zk::OverflowError &) {
        // Time fields so far apart that no duration exists: the record is
        // damaged, and the list shows it without one rather than stop.
        return TranslateText("N/A");
    }
    if (wording == kDutch)
        return GetDurationAsShortString(seconds, "minuten", "uur");
    return GetDurationAsShortString(seconds, "minutes", "h");
}

// The texts of the record at the cursor.
LogListModel::Texts RowTexts(const clsActionsDbase &store, std::uint8_t wording)
{
    LogListModel::Texts texts;
    texts.description = store.Description();
    texts.day = store.StartDateAndEndDateAsString();
    texts.startTime = store.StartTimeAsString();
    texts.endTime = store.EndTimeAsString();
    texts.duration = DurationText(store, wording);
    return texts;
}

} // namespace

UCWatchActionsDbase::UCWatchActionsDbase(FailureReporter &failures, QWidget *parent)
    : QWidget(parent)
    , m_failures(failures)
    , m_reader(std::make_unique<clsActionsDbase>())
    , ListView1(new QTreeView(this))
    , m_model(new LogListModel(this))
{
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                               | QAbstractItemView::SelectedClicked);
    ListView1->setModel(m_model);
    ListView1->setItemDelegate(new DescriptionEditorDelegate(ListView1));
    for (int c = 0; c < LogListModel::kColumns; ++c)
        ListView1->setColumnWidth(c, kColumnWidths[static_cast<std::size_t>(c)]);

    m_model->SetTextsOf([this](std::int32_t nr, std::uint8_t wording) -> LogListModel::Texts {
        if (actionsdbase == nullptr)
            return {};
        // Asked while the view paints, where nothing may be thrown: a record that
        // cannot be read shows no texts until it is asked for again.
        try {
            if (nr == actionsdbase->RecordNr())
                return RowTexts(*actionsdbase, wording);
            if (!m_reader->IsOpen())
                m_reader->OpenReadOnly(actionsdbase->FileName());
            m_reader->RecordNr(nr);
            return RowTexts(*m_reader, wording);
        } catch (const std::exception &) {
            return {};
        }
    });
    m_model->SetEditHandler([this](std::int32_t tag, const std::string &text) {
        // The edit arrives from the view's event handling, where an exception
        // must not travel.
        m_failures.Guard("Changing a description", [&] {
            if (!m_editAllowed || m_editAllowed(tag))
                ListView1_AfterLabelEdit(tag, text);
        });
    });

    listenlanguage = gLanguageChange().Changed.Connect(
        [this](const std::string &newLanguage) { listenlanguage_Change(newLanguage); });
    UpdateResourcesUCWatchActionsDbase();
}

UCWatchActionsDbase::~UCWatchActionsDbase() = default;

void UCWatchActionsDbase::Constructor(clsActionsDbase &newActions, const std::string &newfilter,
                                      clsUsers &)
{
    Attach(newActions);
    m_filter = newfilter;
    FillList(newActions);
}

void UCWatchActionsDbase::WatchActionsDbase(clsActionsDbase &store) { FillList(store); }

void UCWatchActionsDbase::filter(const std::string &newFilter)
{
    m_filter = newFilter;
    if (actionsdbase != nullptr)
        FillList(*actionsdbase);
}

void UCWatchActionsDbase::Attach(clsActionsDbase &store)
{
    if (actionsdbase == &store)
        return;
    actionsdbase = &store;
    // A new store, a new cache. Every rebuild makes it forget what it counted,
    // so that the next count reads the file anew.
    m_todayTotal = std::make_unique<zk::TodayTotalCache>(store);
    m_actionsdbaseChange = store.Change.Connect([this] { actionsdbase_Change(); });
    // Opened on another file (a full log replaced by a new one): read it anew.
    m_actionsdbaseOpened = store.Opened.Connect([this] {
        if (actionsdbase != nullptr)
            FillList(*actionsdbase);
    });
}

bool UCWatchActionsDbase::PassesFilter(std::int32_t n)
{
    clsActionsDbase &store = *actionsdbase;
    StoreCursorGuard cursor(store);
    store.RecordNr(n);
    const bool passes = DescriptionPassesFilter(store.Description(), m_filter);
    cursor.Restore();
    return passes;
}

void UCWatchActionsDbase::FillList(clsActionsDbase &store)
{
    struct Rebuild
    {
        LogListModel &model;
        explicit Rebuild(LogListModel &m) : model(m) { model.BeginRebuild(); }
        ~Rebuild() { model.EndRebuild(); }
    };
    {
        Rebuild rebuild(*m_model);
        Attach(store);
        StoreWalk cursor(store);
        m_reader->CloseFile(); // the store may have opened another file
        const std::int16_t n = zk::CheckedToInt16(store.RecordCount());
        m_model->Reserve(n);
        m_todayTotal->ForgetAll();
        const std::uint8_t wording = WordingNow().value_or(kNoWords);
        std::string description;
        for (std::int32_t i = 1; i <= n; ++i) {
            store.RecordNr(i);
            // The cursor has just read record i and nothing changed it, so
            // the filter test needs no cursor moves of its own here.
            store.DescriptionInto(description);
            if (DescriptionPassesFilter(description, m_filter))
                m_model->AppendDuringRebuild(i, wording);
        }
        cursor.Restore();
        m_knownRecordCount = store.RecordCount();
    }
    const int rows = m_model->rowCount();
    if (rows > 0)
        ListView1->scrollTo(m_model->index(rows - 1, 0));
}

void UCWatchActionsDbase::actionsdbase_Change()
{
    if (actionsdbase == nullptr)
        return;
    clsActionsDbase &store = *actionsdbase;
    while (store.RecordNr() > m_knownRecordCount) {
        const std::int32_t m = m_knownRecordCount + 1;
        if (PassesFilter(m))
            m_model->AddRow(m, WordingNow().value_or(kNoWords));
        ++m_knownRecordCount;
    }
    try {
        const std::int32_t nr = store.RecordNr();
        const int row = m_model->RowOf(nr);
        if (row < 0)
            return;
        m_model->SetTag(row, nr);
        m_model->Rewrite(row, WordingNow());
        m_model->SetColour(row, PassesFilter(nr) ? LogListModel::kPaletteText : LogListModel::kRed);
        ListView1->scrollTo(m_model->index(row, 0));
    } catch (const std::exception &) {
        // The row stays as it was; the record itself is the store's business.
    }
}

void UCWatchActionsDbase::ListView1_AfterLabelEdit(std::int32_t tag, const std::string &newString)
{
    if (actionsdbase == nullptr)
        return;
    clsActionsDbase &store = *actionsdbase;
    StoreCursorGuard cursor(store);
    store.RecordNr(tag);
    store.Description(newString);
    cursor.Restore();
}

std::int32_t UCWatchActionsDbase::GetTodayTimeFromUser(const std::string &username)
{
    return m_todayTotal ? m_todayTotal->GetTodayTimeFromUser(username) : 0;
}

void UCWatchActionsDbase::UpdateResourcesUCWatchActionsDbase()
{
    for (int c = 0; c < LogListModel::kColumns; ++c) {
        HeaderTarget header(*m_model, c);
        TranslateControl(header);
    }
}

void UCWatchActionsDbase::listenlanguage_Change(const std::string &)
{
    UpdateResourcesUCWatchActionsDbase();
}

void UCWatchActionsDbase::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ListView1->setGeometry(rect());
}
