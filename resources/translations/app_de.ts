<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutCommand</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>AboutView</name>
    <message>
        <source>Developed by</source>
        <translation>Entwickelt von</translation>
    </message>
    <message>
        <source>Attributions</source>
        <translation>Quellenangaben</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>Application icon</source>
        <translation>App-Symbol</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>AlwaysOnTop</name>
    <message>
        <source>On Wayland the compositor decides which windows stay on top, so %1 cannot keep its window above others here.</source>
        <translation>Unter Wayland entscheidet der Compositor, welche Fenster oben bleiben, daher kann %1 sein Fenster hier nicht über anderen halten.</translation>
    </message>
</context>
<context>
    <name>AlwaysOnTopCommand</name>
    <message>
        <source>Toggle Always on Top</source>
        <translation>Immer im Vordergrund ein/aus</translation>
    </message>
</context>
<context>
    <name>AtomicWrite</name>
    <message>
        <source>Not all of the data could be written.</source>
        <translation>Es konnten nicht alle Daten geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>AttributionsView</name>
    <message>
        <source>Attributions</source>
        <translation>Quellenangaben</translation>
    </message>
    <message>
        <source>Attributions of %1 Created to innovate, Created to life!</source>
        <translation>Quellenangaben von %1 Geschaffen für Neues, geschaffen fürs Leben!</translation>
    </message>
</context>
<context>
    <name>AttributionsWindow</name>
    <message>
        <source>Attributions</source>
        <translation>Quellenangaben</translation>
    </message>
</context>
<context>
    <name>DropTarget</name>
    <message>
        <source>Drop files here</source>
        <translation>Dateien hier ablegen</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Undo</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>EmptyPane</name>
    <message>
        <source>No entry selected</source>
        <translation>Kein Eintrag ausgewählt</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Export…</source>
        <translation>Exportieren …</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>The file “%1” could not be saved.</source>
        <translation>Die Datei „%1“ konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsTab</name>
    <message>
        <source>Name &amp; Locations:</source>
        <translation>Name &amp; Orte:</translation>
    </message>
    <message>
        <source>This should describe this text field. Type all the words you want!</source>
        <translation>Hier steht, wozu dieses Textfeld dient. Tippen Sie so viele Wörter, wie Sie möchten!</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
</context>
<context>
    <name>HelloWorldPane</name>
    <message>
        <source>Hello, World!</source>
        <translation>Hallo, Welt!</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Toggle Sidebar</source>
        <translation>Seitenleiste ein-/ausblenden</translation>
    </message>
    <message>
        <source>Sidebar Width</source>
        <translation>Seitenleistenbreite</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoomen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>Menüleiste</translation>
    </message>
</context>
<context>
    <name>MenuBarButton</name>
    <message>
        <source>About...</source>
        <translation>Über ...</translation>
    </message>
    <message>
        <source>Do Stuff</source>
        <translation>Sachen machen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>MenuBarPopup</name>
    <message>
        <source>%1&apos;s Apps for users with Mac &amp; Windows and also Linux!</source>
        <translation>%1s Apps für alle mit Mac &amp; Windows und auch Linux!</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über ...</translation>
    </message>
</context>
<context>
    <name>MyCommands</name>
    <message>
        <source>Build</source>
        <extracomment>Build something or whatever.</extracomment>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Do Stuff</source>
        <extracomment>Do various types of stuff.</extracomment>
        <translation>Sachen machen</translation>
    </message>
    <message>
        <source>Commands</source>
        <extracomment>Custom actions</extracomment>
        <translation>Befehle</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>%1 Settings</source>
        <translation>%1-Einstellungen</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Seitenleiste</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Hello, World!</source>
        <translation>Hallo, Welt!</translation>
    </message>
    <message>
        <source>What&apos;s Up?</source>
        <translation>Was gibt&apos;s Neues?</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>More Stuff</source>
        <translation>Weitere Sachen</translation>
    </message>
</context>
<context>
    <name>SidebarFooter</name>
    <message>
        <source>Sidebar Footer</source>
        <translation>Fußzeile der Seitenleiste</translation>
    </message>
    <message>
        <source>You could put stuff here.</source>
        <translation>Hier könnte etwas stehen.</translation>
    </message>
</context>
<context>
    <name>WhatsUpPane</name>
    <message>
        <source>What&apos;s Up?</source>
        <translation>Was gibt&apos;s Neues?</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Vorschläge</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>What&apos;s up, %1?</source>
        <translation>Was gibt&apos;s Neues, %1?</translation>
    </message>
</context>
</TS>
