#include "localisation/Module2.h"
#include "localisation/Module2Tables.h"

#include "FakeTarget.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using namespace zk::translation;

std::set<std::string> Keys(Table table, Language language)
{
    std::set<std::string> keys;
    for (const auto &[key, text] : TableRows(table, language))
        keys.insert(key);
    return keys;
}

TEST(TranslationTables, BothLanguagesHaveTheSameRowsAndNoKeyTwice)
{
    for (Table table : {Table::ControlNames, Table::ColumnKeys, Table::Messages}) {
        for (Language language : {Language::NL, Language::ENG}) {
            const auto &rows = TableRows(table, language);
            EXPECT_EQ(Keys(table, language).size(), rows.size()) << "duplicate key";
            EXPECT_EQ(TableMap(table, language).size(), rows.size());
            for (const auto &[key, text] : rows)
                EXPECT_FALSE(text.empty()) << key;
        }
        EXPECT_EQ(Keys(table, Language::NL), Keys(table, Language::ENG));
    }
    EXPECT_EQ(TableRows(Table::Messages, Language::NL).size(), 19u + 12u + 24u + 3u); // 39 of our own
    EXPECT_EQ(TableRows(Table::ColumnKeys, Language::ENG).size(), 5u);
    EXPECT_EQ(TableRows(Table::ControlNames, Language::ENG).size(), 32u);
}

TEST(TranslationTables, PlaceholdersAreWrittenInTheirLanguage)
{
    for (const auto &[key, nl] : TableRows(Table::Messages, Language::NL)) {
        const std::string eng = TranslateTextENG(key);
        for (const char *english : {"$time$", "$time2$"})
            EXPECT_EQ(nl.find(english), std::string::npos) << nl;
        if (key.find("$time$") != std::string::npos) {
            EXPECT_NE(nl.find("$tijd$"), std::string::npos) << nl;
            EXPECT_NE(eng.find("$time$"), std::string::npos) << eng;
        }
        if (key.find("$time2$") != std::string::npos) {
            EXPECT_NE(nl.find("$tijd2$"), std::string::npos) << nl;
            EXPECT_NE(eng.find("$time2$"), std::string::npos) << eng;
        }
        EXPECT_EQ(key.find("$user$") != std::string::npos, nl.find("$user$") != std::string::npos);
    }
}

struct Expected
{
    const char *key;
    const char *nl;
    const char *eng;
};

TEST(TranslationTables, EveryCaptionInBothLanguages)
{
    const Expected captions[] = {
        {"Form1", "Zitklok versie 3.2", "Sitclock version 3.2"},
        {"btnStartComputeren", "Starten met computeren.", "Starting with the computer."},
        {"btnEindigComputeren", "Ik stop met computeren", "I quit using the computer."},
        {"mnuFile", "&Bestand", "&File"},
        {"mnuExit", "&Sluiten", "E&xit"},
        {"mnuEdit", "Be&werken", "&Edit"},
        {"mnuEditUsers", "&Gebruikers", "&Users"},
        {"mnuOptions", "&Opties", "&Options"},
        {"mnuAutoStopOnMouseIdle", "Auto Stop als de muis 10 min. niet beweegt",
         "Auto stop on mouse idle for 10 min."},
        {"mnuOptionsProgramEnabled", "Programma in gebruik", "Programma in use"},
        {"mnuAutoStartOnSetup", "Start Zitklok bij opstarten van computer",
         "Start Sitclock on Computer start"},
        {"mnuLanguage", "Taal", "Langage"},
        {"mnuLanguageDutch", "Nederlands", "Dutch"},
        {"mnuLanguageEnglish", "Engels", "English"},
        {"mnuHelp", "&Help", "&Help"},
        {"mnuHelpAboutZitklok", "&Over Zitklok", "&About Sitclock"},
        {"frmAbout", "Over Zitklok", "About Sitclock"},
        {"lblVersion", "Versie 3.2", "Version 3.2"},
        {"lblDescription",
         "Het bijhouden van de werkzaamheden op jouw computer. Hoe lang zit ieder achter de "
         "computer? En wat heb je al die tijd gedaan? Gebruik dit programma alleen om de "
         "hoeveelheid computertijd te verminderen en/of in de gaten te houden.",
         "Logging your use on your computer. How much time do people spend behind the "
         "computer? And what did you do all this time? Use this program only to lessen and/or "
         "to keep an eye on the used computer time."},
        {"cmdOK", "OK", "OK"},
        {"cmdSysInfo", "&Systeem Info..", "&System Info.."},
        {"frmEditUsers", "Bewerken gebruikers", "Edit users"},
        {"btnAddUser", "Voeg toe", "Add user"},
        {"frmStart", "Wie gaat bezig?", "Who is starting?"},
        {"btnEditUsers", "Bewerk gebruikers..", "Edit users.."},
        {"labStartNoUsers", "Klik op \"Bewerk Gebruikers\" om een paar gebruikers toe te voegen..",
         "Press \"Edit users\" to add one or more users.."},
    };
    for (const Expected &e : captions) {
        FakeTarget nl = FakeTarget::Control(e.key), eng = FakeTarget::Control(e.key);
        TranslateControlNL(nl);
        TranslateControlENG(eng);
        EXPECT_EQ(nl.caption, e.nl);
        EXPECT_EQ(eng.caption, e.eng);
        EXPECT_EQ(nl.text, "initial text"); // a control has no key step
    }

    // Our own wording: the name and a notice of rights; two sentences against copying.
    FakeTarget title = FakeTarget::Control("lblTitle"), titleEng = title;
    TranslateControlNL(title);
    TranslateControlENG(titleEng);
    EXPECT_EQ(title.caption.rfind("Zitklok\n\xA9", 0), 0u);
    EXPECT_EQ(titleEng.caption.rfind("Sitclock\n\xA9", 0), 0u);
    FakeTarget warning = FakeTarget::Control("lblDisclaimer"), warningEng = warning;
    TranslateControlNL(warning);
    TranslateControlENG(warningEng);
    EXPECT_NE(warning.caption.find("kopi\xEBren"), std::string::npos);
    EXPECT_NE(warningEng.caption.find("copying"), std::string::npos);
}

TEST(TranslationTables, ColumnHeadersTakeTheKeyStepOnly)
{
    const Expected headers[] = {
        {"headDescription", "Beschrijving", "Description"},
        {"headDay", "Dag", "Day"},
        {"headStartTime", "Start tijd", "Start Time"},
        {"headEndTime", "Eind tijd", "End Time"},
        {"headDuration", "Duur", "Duration"},
    };
    for (const Expected &e : headers) {
        FakeTarget nl = FakeTarget::Column(e.key), eng = FakeTarget::Column(e.key);
        TranslateControlNL(nl);
        TranslateControlENG(eng);
        EXPECT_EQ(nl.text, e.nl);
        EXPECT_EQ(eng.text, e.eng);
        EXPECT_EQ(nl.caption, "initial caption");
    }

    // A control named like a column key, or a user's button, has no row.
    for (const char *name : {"headDay", "Anna", "", "form1"}) {
        FakeTarget t = FakeTarget::Control(name);
        TranslateControlNL(t);
        TranslateControlENG(t);
        EXPECT_EQ(t.caption, "initial caption") << name;
    }
}

TEST(TranslationTables, EveryMessageInBothLanguages)
{
    const Expected messages[] = {
        {"Alles (zonder Idle)", "Alles (zonder Idle)", "All (without Idle)"},
        {"Alles", "Alles", "All"},
        {"Idle", "Idle", "Idle"},
        {"Remove User ", "Gebruiker weg halen: ", "Remove user: "},
        {"Please enter new user's name", "Voer de naam in van een nieuwe gebruiker",
         "Please enter new user's name"},
        {"New user", "Nieuwe gebruiker", "New user"},
        {"Zitklokker is niet aktief!", "Zitklok is niet aktief!", "Sitclock is inactive!"},
        {"Zitklokker is Aktief!", "Zitklok is Aktief!", "Sitclock is active!"},
        {"Zitklokker is Idle!", "Zitklok is Idle!", "Sitclock is idle!"},
        {"Zitklokker is niet werkzaam.", "Zitklok is niet werkzaam.", "Sitclock is turned off."},
        {"Programma is uitgeschakeld.", "Programma is uitgeschakeld.",
         "Program is being turned off."},
        {"Vul de zitklok in!", "Vul de zitklok in!", "Please enter your sitclock!"},
        {"Stoppen met computeren", "Stoppen met computeren", "Quitting with the computeren"},
        {"Je bent al 2 uur aan het computeren. Tijd om te stoppen.",
         "Je bent al 2 uur aan het computeren. Tijd om te stoppen.",
         "You're already using the computer for 2 hours. It's time to quit."},
        {"Alarm", "Alarm", "Alarm"},
        {"Automatisch gestopt met tijd, omdat de muis $time$ lang stilstond.",
         "Automatisch gestopt met tijd, omdat de muis $tijd$ lang stilstond.",
         "Automatically stopped logging your time, because the muis didn't move for $time$."},
        {"Zitklokker is bezig: $time$.", "Zitklok is bezig: $tijd$.",
         "Sitclock is busy: $time$."},
        {"N/A", "N.v.t.", "N/A"},
        {"$user$ is bezig: $time$. Totaal vandaag: $time2$",
         "$user$ is bezig: $tijd$. Totaal vandaag: $tijd2$",
         "$user$ is busy for: $time$. Today's total: $time2$"},
    };
    for (const Expected &e : messages) {
        EXPECT_EQ(TranslateTextNL(e.key), e.nl);
        EXPECT_EQ(TranslateTextENG(e.key), e.eng);
    }
    for (const char *missing : {"Alles ", "alles", "Remove User", "", "Zitklok is Idle!"}) {
        EXPECT_EQ(TranslateTextNL(missing), "") << missing;
        EXPECT_EQ(TranslateTextENG(missing), "") << missing;
    }
}

} // namespace
