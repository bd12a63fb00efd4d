#include "localisation/Module2Tables.h"

#include "Version.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

namespace zk::translation {
namespace {

struct Row
{
    std::string_view key;
    std::string_view nl;
    std::string_view eng;
    bool withVersion = false; // the text is a prefix followed by the version
};

constexpr Row kControlNames[] = {
    {"Form1", "Zitklok versie ", "Sitclock version ", true},
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
    {"lblVersion", "Versie ", "Version ", true},
    {"lblTitle", "Zitklok\n\xA9 de maker van Zitklok. Alle rechten voorbehouden.",
     "Sitclock\n\xA9 the maker of Sitclock. All rights reserved."},
    {"lblDescription",
     "Het bijhouden van de werkzaamheden op jouw computer. Hoe lang zit ieder achter de "
     "computer? En wat heb je al die tijd gedaan? Gebruik dit programma alleen om de "
     "hoeveelheid computertijd te verminderen en/of in de gaten te houden.",
     "Logging your use on your computer. How much time do people spend behind the computer? "
     "And what did you do all this time? Use this program only to lessen and/or to keep an "
     "eye on the used computer time."},
    {"lblDisclaimer",
     "Waarschuwing: het kopi\xEBren van dit programma is verboden. Alleen de maker van het "
     "programma mag toestemming geven om het te gebruiken.",
     "Warning: copying this program is forbidden. Only its author may give permission to "
     "use it."},
    {"cmdOK", "OK", "OK"},
    {"cmdSysInfo", "&Systeem Info..", "&System Info.."},
    {"frmEditUsers", "Bewerken gebruikers", "Edit users"},
    {"btnAddUser", "Voeg toe", "Add user"},
    {"frmStart", "Wie gaat bezig?", "Who is starting?"},
    {"btnEditUsers", "Bewerk gebruikers..", "Edit users.."},
    {"labStartNoUsers", "Klik op \"Bewerk Gebruikers\" om een paar gebruikers toe te voegen..",
     "Press \"Edit users\" to add one or more users.."},

    // The week overview.
    {"mnuWeekOverview", "&Weekoverzicht", "&Week overview"},
    {"btnPreviousWeek", "< Vorige week", "< Previous week"},
    {"btnThisWeek", "Deze week", "This week"},
    {"btnNextWeek", "Volgende week >", "Next week >"},
    {"lblGoToWeek", "&Ga naar de week van:", "&Go to the week of:"},
};

constexpr Row kColumnKeys[] = {
    {"headDescription", "Beschrijving", "Description"},
    {"headDay", "Dag", "Day"},
    {"headStartTime", "Start tijd", "Start Time"},
    {"headEndTime", "Eind tijd", "End Time"},
    {"headDuration", "Duur", "Duration"},
};

constexpr Row kMessages[] = {
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
    {"Zitklokker is bezig: $time$.", "Zitklok is bezig: $tijd$.", "Sitclock is busy: $time$."},
    {"N/A", "N.v.t.", "N/A"},
    {"$user$ is bezig: $time$. Totaal vandaag: $time2$",
     "$user$ is bezig: $tijd$. Totaal vandaag: $tijd2$",
     "$user$ is busy for: $time$. Today's total: $time2$"},

    // The week overview: its title, the chart's day names and labels.
    {"Week of $date$", "Week van $datum$", "Week of $date$"},
    {"Mon", "ma", "Mon"},
    {"Tue", "di", "Tue"},
    {"Wed", "wo", "Wed"},
    {"Thu", "do", "Thu"},
    {"Fri", "vr", "Fri"},
    {"Sat", "za", "Sat"},
    {"Sun", "zo", "Sun"},
    {"$hours$ h", "$uren$ u", "$hours$ h"},
    {"2 h limit", "limiet 2 uur", "2 h limit"},
    {"no users", "geen gebruikers", "no users"},
    {"+$count$ more", "+$aantal$ meer", "+$count$ more"},
    // Names and texts for screen readers, of this program's own.
    {"Week chart", "Weekgrafiek", "Week chart"},
    {"$user$: $time$ this week", "$user$: $tijd$ deze week", "$user$: $time$ this week"},
    {"Go to the week of", "Ga naar de week van", "Go to the week of"},
    {"Log list", "Logboek", "Log list"},
    // Messages of this program's own, around the behaviour above: box titles,
    // failures, the settings that cannot be saved, the full log, the pointer.
    {"Zitklok", "Zitklok", "Sitclock"},
    {"$what$ failed:\n$why$\n\nZitklok goes on; what is already in the log is kept.",
     "$what$ is mislukt:\n$why$\n\nZitklok gaat door; wat al in het logboek staat, blijft "
     "bewaard.",
     "$what$ failed:\n$why$\n\nSitclock goes on; what is already in the log is kept."},
    {"Starting Zitklok", "Het starten van Zitklok", "Starting Sitclock"},
    {"Handling an event", "Het afhandelen van een gebeurtenis", "Handling an event"},
    {"Starting with the computer", "Het starten met computeren", "Starting with the computer"},
    {"Stopping the stretch", "Het stoppen met computeren", "Stopping the stretch"},
    {"Starting a stretch", "Het beginnen van een nieuwe zittijd", "Starting a stretch"},
    {"Watching the mouse", "Het volgen van de muis", "Watching the mouse"},
    {"Changing a description", "Het wijzigen van een beschrijving", "Changing a description"},
    {"Changing the option", "Het wijzigen van de optie", "Changing the option"},
    {"Changing the language", "Het wijzigen van de taal", "Changing the language"},
    {"Updating the filter box", "Het bijwerken van het filter", "Updating the filter box"},
    {"Filtering the log list", "Het filteren van de lijst", "Filtering the log list"},
    {"Updating the running stretch", "Het bijwerken van de lopende zittijd",
     "Updating the running stretch"},
    {"Turning to the log list", "Het tonen van de lijst", "Turning to the log list"},
    {"Editing the users", "Het bewerken van de gebruikers", "Editing the users"},
    {"Showing the about window", "Het tonen van Over Zitklok", "Showing the about window"},
    {"Showing the week overview", "Het tonen van het weekoverzicht", "Showing the week overview"},
    {"Reading the week overview", "Het lezen van het weekoverzicht", "Reading the week overview"},
    {"The settings cannot be saved in $file$.",
     "De instellingen kunnen niet worden bewaard in $file$. Zitklok werkt door met de "
     "instellingen die het nu heeft; wat u verandert, geldt tot Zitklok stopt.",
     "The settings cannot be saved in $file$. Sitclock goes on with the settings it has now; "
     "what you change lasts until Sitclock ends."},
    {"The log was full and is kept as $file$.",
     "Het logboek was vol (32767 regels) en is bewaard als $file$. Zitklok houdt vanaf nu "
     "een nieuw logboek bij; er is niets verloren gegaan.",
     "The log was full (32767 records) and is kept as $file$. Sitclock keeps a new log from "
     "now on; nothing has been lost."},
    {"Cannot add $user$: the list already holds 100 users.",
     "$user$ kan niet worden toegevoegd: de lijst heeft al 100 gebruikers.",
     "Cannot add $user$: the list already holds 100 users."},
    {"The folder $file$ does not exist.", "De map $file$ bestaat niet.",
     "The folder $file$ does not exist."},
    {"The log $file$ is not a file.", "Het logboek $file$ is geen bestand.",
     "The log $file$ is not a file."},
    {"The log $file$ cannot be written: $why$.",
     "Het logboek $file$ kan niet worden geschreven: $why$.",
     "The log $file$ cannot be written: $why$."},
    {"The folder $file$ cannot be written: $why$.",
     "De map $file$ kan niet worden geschreven: $why$.",
     "The folder $file$ cannot be written: $why$."},
    // A failure of the log, from what failed, the path and the system's reason.
    {"The log $file$ cannot be opened: $why$.",
     "Het logboek $file$ kan niet worden geopend: $why$.",
     "The log $file$ cannot be opened: $why$."},
    {"The log $file$ cannot be read: $why$.", "Het logboek $file$ kan niet worden gelezen: $why$.",
     "The log $file$ cannot be read: $why$."},
    {"The log $file$ cannot be put on disk: $why$.",
     "Het logboek $file$ kan niet op de schijf worden vastgelegd: $why$.",
     "The log $file$ cannot be put on disk: $why$."},
    {"The full log $file$ cannot be moved to $to$: $why$.",
     "Het volle logboek $file$ kan niet worden verplaatst naar $to$: $why$.",
     "The full log $file$ cannot be moved to $to$: $why$."},
    {"No copy of the damaged log $file$ can be kept as $to$: $why$.",
     "Van het beschadigde logboek $file$ kan geen kopie worden bewaard als $to$: $why$.",
     "No copy of the damaged log $file$ can be kept as $to$: $why$."},
    {"The log $file$ is open for reading only.",
     "Het logboek $file$ is alleen geopend om te lezen.",
     "The log $file$ is open for reading only."},
    {"No log is open.", "Er is geen logboek geopend.", "No log is open."},
    {"The log $file$ has no record $nr$.", "Het logboek $file$ heeft geen regel $nr$.",
     "The log $file$ has no record $nr$."},
    {"no permission", "geen toestemming", "no permission"},
    {"the disk is full", "de schijf is vol", "the disk is full"},
    {"the file is too large", "het bestand is te groot", "the file is too large"},
    {"not found", "niet gevonden", "not found"},
    {"system error $nr$", "systeemfout $nr$", "system error $nr$"},
    {"a time or a number is out of range", "een tijd of getal valt buiten het bereik",
     "a time or a number is out of range"},
    {"an unknown error", "een onbekende fout", "an unknown error"},
    {"The log $log$ was damaged; a copy is kept as $file$.",
     "Het einde van het logboek $log$ was beschadigd. Een kopie van het hele logboek is bewaard "
     "als $file$; Zitklok schrijft verder in het logboek.",
     "The end of the log $log$ was damaged. A copy of the whole log is kept as $file$; "
     "Sitclock goes on writing in the log."},
    // The household report.
    {"Hours per day", "Uren per dag", "Hours per day"},
    {"Hours per day, week of $date$", "Uren per dag, week van $date$",
     "Hours per day, week of $date$"},
    {"no users in the settings; name them with --users",
     "geen gebruikers in de instellingen; noem ze met --users NAAM,NAAM",
     "no users in the settings; name them with --users NAME,NAME"},
};

// Messages of the desktop around the program: the tray icon's menu, and the
// notice for a session in which no activity can be seen.
constexpr Row kDesktopMessages[] = {
    {"Zitklok openen", "Zitklok openen", "Open Sitclock"},
    {"Zitklok afsluiten", "Zitklok afsluiten", "Exit Sitclock"},
    {"Auto Stop werkt niet: Zitklok kan in deze sessie niet zien of de computer gebruikt wordt.",
     "Auto Stop werkt niet: Zitklok kan in deze sessie niet zien of de computer gebruikt wordt. "
     "Druk op \"Ik stop met computeren\" als je klaar bent.",
     "Auto stop does not work: Sitclock cannot see in this session whether the computer is used. "
     "Press \"I quit using the computer.\" when you are done."},
};

// Limits per user and the parent's PIN.
constexpr Row kLimitControlNames[] = {
    {"mnuLimits", "&Limieten...", "&Limits..."},
    {"frmLimits", "Limieten", "Limits"},
    {"lblLimitsUser", "Gebruiker", "User"},
    {"lblSchoolDays", "Ma t/m vr (minuten)", "Mon to Fri (minutes)"},
    {"lblWeekend", "Za en zo (minuten)", "Sat and Sun (minutes)"},
    {"lblLockWhenUp", "Vergrendelen als de tijd op is", "Lock when the time is up"},
    {"lblWarningMinutes", "Waarschuwing vooraf (minuten, 0 = geen)",
     "Warning before (minutes, 0 = none)"},
    {"lblPin", "Pincode van de ouder", "Parent's PIN"},
    {"btnSetPin", "Pincode instellen", "Set PIN"},
    {"btnRemovePin", "Pincode verwijderen", "Remove PIN"},
    {"cmdLimitsCancel", "Annuleren", "Cancel"},
};

constexpr Row kLimitMessages[] = {
    {"Changing the limits", "Het wijzigen van de limieten", "Changing the limits"},
    {"geen limiet", "geen limiet", "no limit"},
    {"Er is een pincode ingesteld.", "Er is een pincode ingesteld.", "A PIN is set."},
    {"Geen pincode ingesteld.", "Geen pincode ingesteld.", "No PIN is set."},
    {"$user$: nog $time$ vandaag", "$user$: nog $tijd$ vandaag", "$user$: $time$ left today"},
    {"$user$: nog $time$ vandaag. Rond af.", "$user$: nog $tijd$ vandaag. Rond af.",
     "$user$: $time$ left today. Time to finish."},
    {"$user$: je tijd voor vandaag is op.", "$user$: je tijd voor vandaag is op.",
     "$user$: your time for today is up."},
    {"Het scherm kon niet worden vergrendeld: deze computer heeft geen vergrendeling die Zitklok "
     "kan vragen.",
     "Het scherm kon niet worden vergrendeld: deze computer heeft geen vergrendeling die Zitklok "
     "kan vragen.",
     "The screen could not be locked: this computer has no screen lock Sitclock can ask for."},
    {"Pincode van de ouder:", "Pincode van de ouder:", "Parent's PIN:"},
    {"Verkeerde pincode.", "Verkeerde pincode.", "Wrong PIN."},
    {"Te vaak een verkeerde pincode. Wacht nog $seconds$ seconden.",
     "Te vaak een verkeerde pincode. Wacht nog $seconds$ seconden.",
     "Too many wrong PINs. Wait $seconds$ more seconds."},
};

template <std::size_t... N>
Rows Build(Language language, const Row (&...blocks)[N])
{
    Rows out;
    out.reserve((N + ...));
    auto add = [&](const Row &row) {
        std::string text(language == Language::NL ? row.nl : row.eng);
        if (row.withVersion)
            text += VersionText();
        out.emplace_back(std::string(row.key), std::move(text));
    };
    (std::for_each(std::begin(blocks), std::end(blocks), add), ...);
    return out;
}

struct Tables
{
    std::array<Rows, 6> rows;
    std::array<Map, 6> maps;
};

std::size_t Index(Table table, Language language)
{
    return static_cast<std::size_t>(table) * 2 + (language == Language::NL ? 0 : 1);
}

const Tables &AllTables()
{
    static const Tables tables = [] {
        Tables t;
        for (Language language : {Language::NL, Language::ENG}) {
            t.rows[Index(Table::ControlNames, language)] = Build(language, kControlNames, kLimitControlNames);
            t.rows[Index(Table::ColumnKeys, language)] = Build(language, kColumnKeys);
            t.rows[Index(Table::Messages, language)]
                = Build(language, kMessages, kDesktopMessages, kLimitMessages);
        }
        for (std::size_t i = 0; i < t.rows.size(); ++i)
            t.maps[i] = Map(t.rows[i].begin(), t.rows[i].end());
        return t;
    }();
    return tables;
}

} // namespace

std::string VersionText()
{
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
}

const Rows &TableRows(Table table, Language language)
{
    return AllTables().rows[Index(table, language)];
}

const Map &TableMap(Table table, Language language)
{
    return AllTables().maps[Index(table, language)];
}

} // namespace zk::translation
