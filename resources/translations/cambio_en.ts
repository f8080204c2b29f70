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
</context>
</TS>
