<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<!-- The English texts of the keys that are names rather than texts; every other key is its own English text. -->
<context>
    <name>Cambio</name>
    <message>
        <source>LocationChangedAlertMessage</source>
        <translation>Make %@ your main currency?</translation>
    </message>
    <message>
        <source>LocationChangedAlertInformativeText</source>
        <translation>Your computer seems to be in another country now. Cambio can show that country’s currency in the top row.</translation>
    </message>
    <message>
        <source>SharingFullTitle</source>
        <translation>Cambio – the currency converter for your desktop</translation>
    </message>
    <message>
        <source>FeedbackIntroduction</source>
        <translation>Tell us what you like, what is missing, or what went wrong. Your message goes to the developers of Cambio.</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>Your message is saved in %@. Cambio has no address to send feedback to: the setting FeedbackURL is empty.</translation>
    </message>
    <message>
        <source>FeedbackNotSentInformativeText</source>
        <translation>Your message is saved in %@. The reason:</translation>
    </message>
    <message>
        <source>CrashReportAlertMessage</source>
        <translation>Cambio quit unexpectedly the last time it ran.</translation>
    </message>
    <message>
        <source>CrashReportAlertInformativeText</source>
        <translation>Would you like to send a report to the developers? It tells what the program was doing when it stopped; it holds nothing you typed. Show Details shows it whole.</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>A report of what happened is kept in %@. Cambio has no address to send reports to: the setting CrashReportURL is empty.</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>It stays in %@ and is offered again at the next start. The reason:</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>The rates that come with Cambio are from the currency API of fawazahmed0/exchange-api (CC0 1.0). The country borders are from country-coder (ISC licence, see Show Details). The flags are Debian's iso-flags-svg (public domain); the Bitcoin flag is Cambio's own.</translation>
    </message>
</context>
</TS>
