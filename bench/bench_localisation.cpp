// Lookups of captions and messages, and a language switch re-labelling many
// controls: each lookup well under a microsecond, a switch under a millisecond.
#include "localisation/LanguageListener.h"
#include "localisation/Module2.h"
#include "localisation/gclsLanguageChange.h"
#include "platform/MemorySettingsStore.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

class Target : public TranslateTarget
{
public:
    Target(std::optional<std::string> name, std::optional<std::string> key)
        : m_name(std::move(name))
        , m_key(std::move(key))
    {}
    std::optional<std::string> Name() const override { return m_name; }
    std::optional<std::string> Key() const override { return m_key; }
    void SetCaption(const std::string &c) override { caption = c; }
    void SetText(const std::string &t) override { text = t; }

    std::string caption, text;

private:
    std::optional<std::string> m_name, m_key;
};

struct Settings
{
    Settings(const char *language)
    {
        zk::SetCurrentSettings(&store);
        store.Write("Sitclock", "Options", "Language", language);
        current.emplace();
        SetCurrentLanguage(&*current);
    }
    ~Settings()
    {
        SetCurrentLanguage(nullptr);
        zk::SetCurrentSettings(nullptr);
    }
    zk::MemorySettingsStore store;
    std::optional<gclsLanguageChange> current;
};

void BM_TranslateText(benchmark::State &state)
{
    Settings settings(state.range(0) ? "NL" : "ENG");
    const std::string key = "$user$ is bezig: $time$. Totaal vandaag: $time2$";
    for (auto _ : state)
        benchmark::DoNotOptimize(TranslateText(key));
}
BENCHMARK(BM_TranslateText)->Arg(0)->Arg(1);

void BM_TranslateTextMissing(benchmark::State &state)
{
    Settings settings("ENG");
    const std::string key = "Alles ";
    for (auto _ : state)
        benchmark::DoNotOptimize(TranslateText(key));
}
BENCHMARK(BM_TranslateTextMissing);

void BM_TranslateControlByName(benchmark::State &state)
{
    Settings settings("NL");
    Target target("mnuAutoStopOnMouseIdle", std::nullopt);
    for (auto _ : state) {
        TranslateControl(target);
        benchmark::DoNotOptimize(target.caption.data());
    }
}
BENCHMARK(BM_TranslateControlByName);

void BM_TranslateControlByKey(benchmark::State &state)
{
    Settings settings("ENG");
    Target target(std::nullopt, "headStartTime");
    for (auto _ : state) {
        TranslateControl(target);
        benchmark::DoNotOptimize(target.text.data());
    }
}
BENCHMARK(BM_TranslateControlByKey);

// 100 controls, each listening on its own, re-labelled on every switch.
void BM_LanguageSwitch100Targets(benchmark::State &state)
{
    Settings settings("ENG");
    const char *names[] = {"btnStartComputeren", "mnuExit", "Form1", "lblDescription", "Anna"};
    std::vector<std::unique_ptr<Target>> targets;
    std::vector<std::unique_ptr<LanguageListener>> listeners;
    for (int i = 0; i < 100; ++i) {
        targets.push_back(std::make_unique<Target>(names[i % 5], std::nullopt));
        Target *t = targets.back().get();
        listeners.push_back(std::make_unique<LanguageListener>([t] { TranslateControl(*t); }));
    }
    const std::string nl = "NL", eng = "ENG";
    bool dutch = false;
    for (auto _ : state) {
        dutch = !dutch;
        gLanguageChange().Change(dutch ? nl : eng);
    }
    benchmark::DoNotOptimize(targets.front()->caption.data());
}
BENCHMARK(BM_LanguageSwitch100Targets)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
