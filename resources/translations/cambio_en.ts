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
        <translation>Tell us what you like, what is missing, or what went wrong.</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>Your message is kept in the folder %@.</translation>
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
        <translation>Would you like to send a report of it to %@? It tells what the program was doing when it stopped; it holds nothing you typed.</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>A report of what happened is kept on this computer, in the folder %@. It is not sent anywhere: no address to send reports to has been set up.</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>It stays in %@ and is offered again at the next start. The reason:</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>The rates that come with Cambio are from the currency API of fawazahmed0/exchange-api (CC0 1.0). The country borders are from country-coder (ISC licence, see %@). The flags are Debian's iso-flags-svg (public domain); the flags of Bitcoin, the Caribbean guilder and Zimbabwe Gold are Cambio's own.</translation>
    </message>
    <message>
        <source>FeedbackDestinationComputer</source>
        <translation>Your message will be kept on this computer, in the folder %@. It is not sent anywhere: no address to send feedback to has been set up.</translation>
    </message>
    <message>
        <source>FeedbackDestinationAddress</source>
        <translation>Your message will be sent to %@, and a copy kept on this computer.</translation>
    </message>
    <message>
        <source>CrashReportNotPutAsideInformativeText</source>
        <translation>It stays with the new reports in %@ and is offered again at the next start. The reason:</translation>
    </message>
    <message>
        <source>FeedbackNotMovedInformativeText</source>
        <translation>It stays with the messages not sent yet in %@. The reason:</translation>
    </message>
</context>
</TS>
