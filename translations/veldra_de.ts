<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BookmarksWindow</name>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>Bookmarks and history</source>
        <translation>Lesezeichen und Verlauf</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Bookmarked documents, the latest first; Enter or a double-click reads one, Delete removes its bookmark</source>
        <translation>Dokumente mit Lesezeichen, das neueste zuerst; Eingabe oder ein Doppelklick liest eines, Entf entfernt sein Lesezeichen</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Hinzugefügt</translation>
    </message>
    <message>
        <source>Recently read</source>
        <translation>Zuletzt gelesen</translation>
    </message>
    <message>
        <source>Documents read lately, the latest first; Enter or a double-click reads one again, Delete removes it from the history</source>
        <translation>Zuletzt gelesene Dokumente, das neueste zuerst; Eingabe oder ein Doppelklick liest eines erneut, Entf entfernt es aus dem Verlauf</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Gelesen</translation>
    </message>
    <message>
        <source>Why the lists are empty, when they cannot be read</source>
        <translation>Warum die Listen leer sind, wenn sie sich nicht lesen lassen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Reads the chosen document, as Read does</source>
        <translation>Liest das gewählte Dokument, wie Lesen es tut</translation>
    </message>
    <message>
        <source>Removes the chosen document from its list</source>
        <translation>Entfernt das gewählte Dokument aus seiner Liste</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Schließt dieses Fenster</translation>
    </message>
    <message>
        <source>&amp;Bookmarks:</source>
        <translation>&amp;Lesezeichen:</translation>
    </message>
    <message>
        <source>Recently &amp;read:</source>
        <translation>&amp;Zuletzt gelesen:</translation>
    </message>
    <message>
        <source>The bookmarks and history cannot be shown: %1</source>
        <translation>Lesezeichen und Verlauf können nicht angezeigt werden: %1</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in document</source>
        <translation>Im Dokument suchen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Text to find in the document; Enter finds the next match, Shift+Enter the previous one, Escape closes the bar</source>
        <translation>Text, der im Dokument gesucht wird; Eingabe findet den nächsten Treffer, Umschalt+Eingabe den vorherigen, Escape schließt die Leiste</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Vorheriger</translation>
    </message>
    <message>
        <source>Goes to the previous match</source>
        <translation>Springt zum vorherigen Treffer</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächster</translation>
    </message>
    <message>
        <source>Goes to the next match</source>
        <translation>Springt zum nächsten Treffer</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Closes the find bar</source>
        <translation>Schließt die Suchleiste</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>%1 matches</source>
        <translation>%1 Treffer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n Treffer</numerusform>
            <numerusform>%n Treffer</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Error while connecting to server using HTTP protocol: %1<byte value="xd"/>
Please check your proxy settings...</source>
        <translation>Fehler bei der Verbindung zum Server über das HTTP-Protokoll: %1<byte value="xd"/>
Bitte prüfen Sie Ihre Proxy-Einstellungen...</translation>
    </message>
    <message>
        <source>%1 - Error</source>
        <translation>%1 – Fehler</translation>
    </message>
    <message>
        <source>Veldra v%1.%2 - written by the Veldra contributors</source>
        <translation>Veldra v%1.%2 – geschrieben von den Veldra-Mitwirkenden</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Connecting to the server...</source>
        <translation>Verbindung zum Server wird hergestellt...</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Veldra contributors. Free software under the MIT licence.</source>
        <translation>Copyright (C) 2026 die Veldra-Mitwirkenden. Freie Software unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Comments are welcome by e-mail to the authors: veldra@example.org</source>
        <translation>Anmerkungen sind per E-Mail an die Autoren willkommen: veldra@example.org</translation>
    </message>
    <message>
        <source>Read the Community News for what is new, or visit %1</source>
        <translation>Was es Neues gibt, steht in den Neuigkeiten, oder besuchen Sie %1</translation>
    </message>
    <message>
        <source>Thanks to all the Veldra contributors for their help.</source>
        <translation>Dank an alle Veldra-Mitwirkenden für ihre Hilfe.</translation>
    </message>
    <message>
        <source>No text to search for!</source>
        <translation>Kein Suchtext angegeben!</translation>
    </message>
    <message>
        <source> - the download of %1 was cancelled</source>
        <translation> – der Download von %1 wurde abgebrochen</translation>
    </message>
    <message>
        <source> - the search was cancelled</source>
        <translation> – die Suche wurde abgebrochen</translation>
    </message>
    <message>
        <source>Could not load %1</source>
        <translation>%1 konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>Error while connecting to server using HTTP protocol: </source>
        <translation>Fehler bei der Verbindung zum Server über das HTTP-Protokoll: </translation>
    </message>
    <message>
        <source>Error while connecting to server using FTP protocol: </source>
        <translation>Fehler bei der Verbindung zum Server über das FTP-Protokoll: </translation>
    </message>
    <message>
        <source>Search on server for:</source>
        <translation>Auf dem Server suchen nach:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Betreff:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Webseite:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>&amp;Extra functions</source>
        <translation>&amp;Weitere Funktionen</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Moving the selection switches between the news, the search and the reader; Enter or Space on Proxy settings or About opens it</source>
        <translation>Die Auswahl wechselt zwischen Neuigkeiten, Suche und Leser; Eingabe oder Leertaste auf Proxy-Server oder Über... öffnet den Eintrag</translation>
    </message>
    <message>
        <source>Icon of the selected item</source>
        <translation>Symbol des ausgewählten Eintrags</translation>
    </message>
    <message>
        <source>The selected item</source>
        <translation>Der ausgewählte Eintrag</translation>
    </message>
    <message>
        <source>What the selected item is for</source>
        <translation>Wozu der ausgewählte Eintrag dient</translation>
    </message>
    <message>
        <source>Community news</source>
        <translation>Neuigkeiten</translation>
    </message>
    <message>
        <source>Today&apos;s news from the server; links open in the browser or mail program</source>
        <translation>Die heutigen Neuigkeiten vom Server; Links öffnen sich im Browser oder im E-Mail-Programm</translation>
    </message>
    <message>
        <source>Search on server for</source>
        <translation>Auf dem Server suchen nach</translation>
    </message>
    <message>
        <source>Subject to look for in the library&apos;s index; Enter searches</source>
        <translation>Betreff, der im Verzeichnis der Bibliothek gesucht wird; Eingabe startet die Suche</translation>
    </message>
    <message>
        <source>Searches the library&apos;s index for the subject</source>
        <translation>Durchsucht das Verzeichnis der Bibliothek nach dem Betreff</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>Documents whose entry matches; Enter or a double-click reads the selected one</source>
        <translation>Dokumente, deren Eintrag passt; Eingabe oder ein Doppelklick liest das ausgewählte</translation>
    </message>
    <message>
        <source>Number of matches found</source>
        <translation>Anzahl der gefundenen Treffer</translation>
    </message>
    <message>
        <source>Downloads the selected document and shows it in the reader</source>
        <translation>Lädt das ausgewählte Dokument herunter und zeigt es im Leser</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>Subject of the document in the reader</source>
        <translation>Betreff des Dokuments im Leser</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Author of the document in the reader</source>
        <translation>Autor des Dokuments im Leser</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Website of the document&apos;s author; a click opens it in the browser</source>
        <translation>Webseite des Autors; ein Klick öffnet sie im Browser</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Version of the document in the reader</source>
        <translation>Version des Dokuments im Leser</translation>
    </message>
    <message>
        <source>Further functions for the document in the reader</source>
        <translation>Weitere Funktionen für das Dokument im Leser</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Text of the document in the reader; links open in the browser or mail program</source>
        <translation>Text des Dokuments im Leser; Links öffnen sich im Browser oder im E-Mail-Programm</translation>
    </message>
    <message>
        <source>News panel</source>
        <translation>Bereich Neuigkeiten</translation>
    </message>
    <message>
        <source>Search panel</source>
        <translation>Bereich Suche</translation>
    </message>
    <message>
        <source>Reader panel</source>
        <translation>Bereich Leser</translation>
    </message>
    <message>
        <source>Navigation column</source>
        <translation>Navigationsspalte</translation>
    </message>
    <message>
        <source>Selected item</source>
        <translation>Ausgewählter Eintrag</translation>
    </message>
    <message>
        <source>Veldra</source>
        <translation>Veldra</translation>
    </message>
    <message>
        <source>Community News</source>
        <translation>Neuigkeiten</translation>
    </message>
    <message>
        <source>Search Solution</source>
        <translation>Lösung suchen</translation>
    </message>
    <message>
        <source>FAQ-Reader</source>
        <translation>FAQ-Leser</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>Proxy-Server</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Explore the world of Veldra!</source>
        <translation>Entdecken Sie die Welt von Veldra!</translation>
    </message>
    <message>
        <source>Read todays community news</source>
        <translation>Die heutigen Neuigkeiten lesen</translation>
    </message>
    <message>
        <source>Search for solutions on server</source>
        <translation>Auf dem Server nach Lösungen suchen</translation>
    </message>
    <message>
        <source>Configure Veldra</source>
        <translation>Veldra einrichten</translation>
    </message>
    <message>
        <source>Configure Veldra for use with a proxy server</source>
        <translation>Veldra für einen Proxy-Server einrichten</translation>
    </message>
    <message>
        <source>Read your downloaded FAQ here</source>
        <translation>Hier lesen Sie Ihre heruntergeladene FAQ</translation>
    </message>
    <message>
        <source>About Veldra and the author</source>
        <translation>Über Veldra und den Autor</translation>
    </message>
    <message>
        <source>Various options</source>
        <translation>Verschiedene Optionen</translation>
    </message>
    <message>
        <source>No file downloaded</source>
        <translation>Keine Datei heruntergeladen</translation>
    </message>
    <message>
        <source>Found at character</source>
        <translation>Gefunden bei Zeichen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Please wait, searching...</source>
        <translation>Bitte warten, es wird gesucht...</translation>
    </message>
    <message>
        <source>Search in document text</source>
        <translation>Im Dokumenttext suchen</translation>
    </message>
    <message>
        <source>Search the words of the downloaded documents, not only the subjects; Ctrl+Shift+T</source>
        <translation>Durchsucht die Wörter der heruntergeladenen Dokumente, nicht nur die Betreffs; Strg+Umschalt+T</translation>
    </message>
    <message>
        <source>Make the library available offline</source>
        <translation>Offline verfügbar machen</translation>
    </message>
    <message>
        <source>Downloads every document of the index that is not stored yet or has changed on the server; Ctrl+Shift+O</source>
        <translation>Lädt jedes Dokument des Verzeichnisses herunter, das noch nicht gespeichert ist oder sich auf dem Server geändert hat; Strg+Umschalt+O</translation>
    </message>
    <message>
        <source>Ctrl+Shift+T</source>
        <translation>Strg+Umschalt+T</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Strg+Umschalt+O</translation>
    </message>
    <message>
        <source>Offline copy</source>
        <translation>Offline-Kopie</translation>
    </message>
    <message>
        <source>Search in document text rebuilt from the stored documents: %1</source>
        <translation>Suche im Dokumenttext aus den gespeicherten Dokumenten neu aufgebaut: %1</translation>
    </message>
    <message>
        <source>Offline copy of %1</source>
        <translation>Offline-Kopie vom %1</translation>
    </message>
    <message>
        <source>Documents new on the server: %1</source>
        <translation>Neue Dokumente auf dem Server: %1</translation>
    </message>
    <message>
        <source>Documents changed on the server: %1</source>
        <translation>Geänderte Dokumente auf dem Server: %1</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 documents; the next time goes on from there.</source>
        <translation>Nach %1 von %2 Dokumenten abgebrochen; beim nächsten Mal geht es dort weiter.</translation>
    </message>
    <message>
        <source>Documents that could not be downloaded: %1</source>
        <translation>Dokumente, die nicht heruntergeladen werden konnten: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Functions</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Export to</source>
        <translation>Exportieren als</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation>&amp;HTML</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Edit Proxy Settings</source>
        <translation>Proxy-Einstellungen bearbeiten</translation>
    </message>
    <message>
        <source>Please fill in the proxy servers to use for each protocol.</source>
        <translation>Bitte tragen Sie für jedes Protokoll den Proxy-Server ein.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>FTP</source>
        <translation>FTP</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Name or address of the proxy server for web downloads; empty for none</source>
        <translation>Name oder Adresse des Proxy-Servers für Downloads aus dem Web; leer für keinen</translation>
    </message>
    <message>
        <source>Port of the HTTP proxy server; 0 for no proxy</source>
        <translation>Port des HTTP-Proxy-Servers; 0 für keinen Proxy</translation>
    </message>
    <message>
        <source>Name or address of the proxy server for FTP; empty for none</source>
        <translation>Name oder Adresse des Proxy-Servers für FTP; leer für keinen</translation>
    </message>
    <message>
        <source>Port of the FTP proxy server; 0 for no proxy</source>
        <translation>Port des FTP-Proxy-Servers; 0 für keinen Proxy</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>Proxy-Server</translation>
    </message>
    <message>
        <source>HTTP proxy server</source>
        <translation>HTTP-Proxy-Server</translation>
    </message>
    <message>
        <source>HTTP proxy port</source>
        <translation>HTTP-Proxy-Port</translation>
    </message>
    <message>
        <source>FTP proxy server</source>
        <translation>FTP-Proxy-Server</translation>
    </message>
    <message>
        <source>FTP proxy port</source>
        <translation>FTP-Proxy-Port</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
</context>
<context>
    <name>FullTextList</name>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>Found in the text</source>
        <translation>Im Text gefunden</translation>
    </message>
    <message>
        <source> (updated since you read it)</source>
        <translation> (seit dem Lesen aktualisiert)</translation>
    </message>
</context>
<context>
    <name>ReaderTools</name>
    <message>
        <source>There is no document to bookmark.</source>
        <translation>Es gibt kein Dokument für ein Lesezeichen.</translation>
    </message>
    <message>
        <source>The bookmark could not be changed: %1</source>
        <translation>Das Lesezeichen konnte nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>Bookmarked: %1</source>
        <translation>Lesezeichen gesetzt: %1</translation>
    </message>
    <message>
        <source>Bookmark removed: %1</source>
        <translation>Lesezeichen entfernt: %1</translation>
    </message>
    <message>
        <source>Community News</source>
        <translation>Neuigkeiten</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Betreff:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Webseite:</translation>
    </message>
    <message>
        <source>There is no document to print.</source>
        <translation>Es gibt kein Dokument zum Drucken.</translation>
    </message>
    <message>
        <source>Print Document</source>
        <translation>Dokument drucken</translation>
    </message>
    <message>
        <source>There is no document to save.</source>
        <translation>Es gibt kein Dokument zum Speichern.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Web page (*.html *.htm)</source>
        <translation>Webseite (*.html *.htm)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Reiner Text (*.txt)</translation>
    </message>
    <message>
        <source>Save Document As</source>
        <translation>Dokument speichern unter</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>What the last action in the reader did</source>
        <translation>Was die letzte Aktion im Leser bewirkt hat</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>Boo&amp;kmark This Document</source>
        <translation>Als &amp;Lesezeichen merken</translation>
    </message>
    <message>
        <source>Bookmarks and &amp;History...</source>
        <translation>Lesezeichen und Verla&amp;uf...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern u&amp;nter...</translation>
    </message>
    <message>
        <source>No document has been read yet.</source>
        <translation>Es wurde noch kein Dokument gelesen.</translation>
    </message>
    <message>
        <source>This is the first document read since the start.</source>
        <translation>Das ist das erste Dokument, das seit dem Start gelesen wurde.</translation>
    </message>
    <message>
        <source>This is the last document read.</source>
        <translation>Das ist das zuletzt gelesene Dokument.</translation>
    </message>
    <message>
        <source>The copy of %1 on disk is gone; read it again from the search.</source>
        <translation>Die Kopie von %1 auf der Festplatte ist verschwunden; lesen Sie es erneut über die Suche.</translation>
    </message>
</context>
<context>
    <name>SyncWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Make the library available offline</source>
        <translation>Offline verfügbar machen</translation>
    </message>
    <message>
        <source>Progress of the download</source>
        <translation>Fortschritt des Downloads</translation>
    </message>
    <message>
        <source>Documents done</source>
        <translation>Erledigte Dokumente</translation>
    </message>
    <message>
        <source>Documents: %1 of %2, %3 downloaded</source>
        <translation>Dokumente: %1 von %2, %3 heruntergeladen</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Wird angehalten...</translation>
    </message>
</context>
<context>
    <name>desktop</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt</translation>
    </message>
    <message>
        <source>the platform &quot;%1&quot; needs %2, which is not set</source>
        <translation>die Plattform „%1“ braucht %2, das nicht gesetzt ist</translation>
    </message>
</context>
<context>
    <name>faq</name>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Downloading FAQ...</source>
        <translation>FAQ wird heruntergeladen...</translation>
    </message>
    <message>
        <source>Error, no file!</source>
        <translation>Fehler, keine Datei!</translation>
    </message>
    <message>
        <source>the file name %1 is not a plain file name</source>
        <translation>der Dateiname %1 ist kein einfacher Dateiname</translation>
    </message>
    <message>
        <source>the file name %1 is one of the program&apos;s own files</source>
        <translation>der Dateiname %1 gehört zu den eigenen Dateien des Programms</translation>
    </message>
    <message>
        <source>the file name %1 belongs to a file that is not a FAQ document</source>
        <translation>der Dateiname %1 gehört zu einer Datei, die kein FAQ-Dokument ist</translation>
    </message>
</context>
<context>
    <name>index</name>
    <message>
        <source>Downloading script...</source>
        <translation>Verzeichnis wird heruntergeladen...</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Offline index of </source>
        <translation>Offline-Verzeichnis vom </translation>
    </message>
    <message>
        <source>Checking server&apos;s filename for subject: %1</source>
        <translation>Dateinamen auf dem Server werden nach dem Betreff durchsucht: %1</translation>
    </message>
    <message numerus="yes">
        <source>Found: %n</source>
        <translation>
            <numerusform>Gefunden: %n</numerusform>
            <numerusform>Gefunden: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>links</name>
    <message>
        <source>Click here to navigate at %1</source>
        <translation>Hier klicken, um %1 zu öffnen</translation>
    </message>
    <message>
        <source>Click here to send mail to %1</source>
        <translation>Hier klicken, um eine E-Mail an %1 zu schreiben</translation>
    </message>
    <message>
        <source>Copy Link Address</source>
        <translation>Link-Adresse kopieren</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>veldra: cannot start without a display: %1</source>
        <translation>veldra: Start ohne Bildschirm nicht möglich: %1</translation>
    </message>
    <message>
        <source>veldra: cannot start without a display: the window system cannot be reached</source>
        <translation>veldra: Start ohne Bildschirm nicht möglich: das Fenstersystem ist nicht erreichbar</translation>
    </message>
</context>
<context>
    <name>news</name>
    <message>
        <source>No news to show , because you are offline.<byte value="xd"/>
Select &apos;Get News&apos; in the &apos;On-line&apos; menu if you are online.</source>
        <translation>Keine Neuigkeiten, weil Sie offline sind.<byte value="xd"/>
Wählen Sie „Neuigkeiten abrufen“ im Menü „Online“, sobald Sie online sind.</translation>
    </message>
    <message>
        <source>Unable to receive news: </source>
        <translation>Neuigkeiten konnten nicht empfangen werden: </translation>
    </message>
    <message>
        <source>Could not retrieve news, please check you proxy settings!</source>
        <translation>Neuigkeiten konnten nicht abgerufen werden, bitte prüfen Sie Ihre Proxy-Einstellungen!</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Download news from server...</source>
        <translation>Neuigkeiten werden vom Server geladen...</translation>
    </message>
    <message>
        <source>Offline: news of </source>
        <translation>Offline: Neuigkeiten vom </translation>
    </message>
</context>
<context>
    <name>richtext</name>
    <message>
        <source>The box was closed while the document was loading.</source>
        <translation>Das Feld wurde geschlossen, während das Dokument geladen wurde.</translation>
    </message>
    <message>
        <source>The document load was stopped.</source>
        <translation>Das Laden des Dokuments wurde angehalten.</translation>
    </message>
    <message>
        <source>Newer text replaced the document while it was loading.</source>
        <translation>Neuerer Text hat das Dokument während des Ladens ersetzt.</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Searches and reads the FAQ library that a web server publishes in /software/corvane/.</source>
        <translation>Durchsucht und liest die FAQ-Bibliothek, die ein Webserver unter /software/corvane/ veröffentlicht.</translation>
    </message>
    <message>
        <source>Print this summary of the options and exit.</source>
        <translation>Diese Übersicht der Optionen ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Print the program&apos;s name and version and exit.</source>
        <translation>Name und Version des Programms ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Use the library on the server at &lt;URL&gt; (http or https, for example https://faq.example.org/) instead of the one the program was built for.</source>
        <translation>Die Bibliothek auf dem Server unter &lt;URL&gt; verwenden (http oder https, zum Beispiel https://faq.example.org/) statt der, für die das Programm gebaut wurde.</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help lists the options)</source>
        <translation>%1: %2 (%1 --help zeigt die Optionen)</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2: %3</source>
        <translation>%1 kann nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <source>No folder for offline copies</source>
        <translation>Kein Ordner für Offline-Kopien</translation>
    </message>
    <message>
        <source>Cannot make the folder </source>
        <translation>Der Ordner kann nicht angelegt werden: </translation>
    </message>
    <message>
        <source>No offline copy of </source>
        <translation>Keine Offline-Kopie von </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server address Veldra can use: %2</source>
        <translation>„%1“ ist keine Serveradresse, die Veldra verwenden kann: %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>only http and https addresses are supported</source>
        <translation>nur http- und https-Adressen werden unterstützt</translation>
    </message>
    <message>
        <source>it names no host</source>
        <translation>sie nennt keinen Host</translation>
    </message>
    <message>
        <source>port 0 is no port</source>
        <translation>Port 0 ist kein Port</translation>
    </message>
    <message>
        <source>a user name or password is not supported</source>
        <translation>ein Benutzername oder Passwort wird nicht unterstützt</translation>
    </message>
    <message>
        <source>it must name a folder, without &quot;?&quot; or &quot;#&quot;</source>
        <translation>sie muss einen Ordner nennen, ohne „?“ oder „#“</translation>
    </message>
    <message>
        <source>cannot write </source>
        <translation>kann nicht geschrieben werden: </translation>
    </message>
    <message>
        <source>C</source>
        <comment>the locale the dates are written in</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date format</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>store</name>
    <message>
        <source>The library store %1 cannot be used: %2</source>
        <translation>Der Bibliotheksspeicher %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>The library store takes no document named &quot;%1&quot;.</source>
        <translation>Der Bibliotheksspeicher nimmt kein Dokument namens „%1“ auf.</translation>
    </message>
    <message>
        <source>The path of %1 is too long for the library store.</source>
        <translation>Der Pfad von %1 ist zu lang für den Bibliotheksspeicher.</translation>
    </message>
    <message>
        <source>No more than %1 bookmarks can be kept.</source>
        <translation>Mehr als %1 Lesezeichen können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The library store %1 cannot be searched: %2</source>
        <translation>Der Bibliotheksspeicher %1 kann nicht durchsucht werden: %2</translation>
    </message>
    <message>
        <source>The damaged library store %1 cannot be removed.</source>
        <translation>Der beschädigte Bibliotheksspeicher %1 kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The damaged library store&apos;s log %1 cannot be removed.</source>
        <translation>Das Protokoll %1 des beschädigten Bibliotheksspeichers kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The folder %1 for the library store cannot be made.</source>
        <translation>Der Ordner %1 für den Bibliotheksspeicher kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>eine Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>no ordinary file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 is a link, which is not read</source>
        <translation>%1 ist ein Link und wird nicht gelesen</translation>
    </message>
    <message>
        <source>%1 is %2, not a file</source>
        <translation>%1 ist %2, keine Datei</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>no new file name could be found in its folder</source>
        <translation>in seinem Ordner fand sich kein neuer Dateiname</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>die Datei ist nicht geöffnet</translation>
    </message>
    <message>
        <source>it is a link, a folder or a program file</source>
        <translation>es ist ein Link, ein Ordner oder eine Programmdatei</translation>
    </message>
</context>
<context>
    <name>transfer</name>
    <message>
        <source>its certificate is for another host than %1</source>
        <translation>sein Zertifikat gilt für einen anderen Host als %1</translation>
    </message>
    <message>
        <source>its certificate has expired</source>
        <translation>sein Zertifikat ist abgelaufen</translation>
    </message>
    <message>
        <source>its certificate is not valid yet</source>
        <translation>sein Zertifikat ist noch nicht gültig</translation>
    </message>
    <message>
        <source>its certificate is self-signed, and not trusted</source>
        <translation>sein Zertifikat ist selbst signiert und nicht vertrauenswürdig</translation>
    </message>
    <message>
        <source>its certificate was issued by an authority that is not trusted</source>
        <translation>sein Zertifikat stammt von einer nicht vertrauenswürdigen Zertifizierungsstelle</translation>
    </message>
    <message>
        <source>its certificate has been revoked</source>
        <translation>sein Zertifikat wurde widerrufen</translation>
    </message>
    <message>
        <source>its certificate is not meant for a server</source>
        <translation>sein Zertifikat ist nicht für einen Server bestimmt</translation>
    </message>
    <message>
        <source>its certificate is not accepted (%1)</source>
        <translation>sein Zertifikat wird nicht angenommen (%1)</translation>
    </message>
    <message>
        <source>The document arrived incomplete: the server %1 after %2 bytes</source>
        <translation>Das Dokument kam unvollständig an: der Server schickte nach %2 Bytes %1</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 von %2 Bytes</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>sent an invalid chunk size</source>
        <translation>eine ungültige Chunk-Größe</translation>
    </message>
    <message>
        <source>sent a malformed chunk</source>
        <translation>einen fehlerhaften Chunk</translation>
    </message>
    <message>
        <source>The connection to %1 was reset before an answer arrived</source>
        <translation>Die Verbindung zu %1 wurde zurückgesetzt, bevor eine Antwort kam</translation>
    </message>
    <message>
        <source>The connection to %1 failed: %2</source>
        <translation>Die Verbindung zu %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>The document arrived incomplete: the connection was reset after </source>
        <translation>Das Dokument kam unvollständig an: die Verbindung wurde zurückgesetzt nach </translation>
    </message>
    <message>
        <source>The document arrived incomplete after %1: %2</source>
        <translation>Das Dokument kam nach %1 unvollständig an: %2</translation>
    </message>
    <message>
        <source>The proxy server refused to connect to %1 (HTTP %2)</source>
        <translation>Der Proxy-Server hat die Verbindung zu %1 verweigert (HTTP %2)</translation>
    </message>
    <message>
        <source>The proxy server %1 refused to connect to %2 (HTTP %3)</source>
        <translation>Der Proxy-Server %1 hat die Verbindung zu %2 verweigert (HTTP %3)</translation>
    </message>
    <message>
        <source>Host not found: </source>
        <translation>Host nicht gefunden: </translation>
    </message>
    <message>
        <source>Proxy server not found: </source>
        <translation>Proxy-Server nicht gefunden: </translation>
    </message>
    <message>
        <source>Connection refused by </source>
        <translation>Verbindung abgelehnt von </translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Keine Verbindung zu %1 möglich: %2</translation>
    </message>
    <message>
        <source>Time-out: </source>
        <translation>Zeitüberschreitung: </translation>
    </message>
    <message>
        <source>The server closed the connection in the middle of its answer</source>
        <translation>Der Server hat die Verbindung mitten in seiner Antwort geschlossen</translation>
    </message>
    <message>
        <source>The document arrived incomplete: the server closed the connection after </source>
        <translation>Das Dokument kam unvollständig an: der Server hat die Verbindung geschlossen nach </translation>
    </message>
    <message>
        <source>The document cannot be used: the server sent it in an encoding that cannot be decoded (%1)</source>
        <translation>Das Dokument ist nicht verwendbar: der Server schickte es in einer Kodierung, die sich nicht dekodieren lässt (%1)</translation>
    </message>
    <message>
        <source>More than %1 redirects from %2</source>
        <translation>Mehr als %1 Weiterleitungen von %2</translation>
    </message>
    <message>
        <source>Not an http or https address: </source>
        <translation>Keine http- oder https-Adresse: </translation>
    </message>
    <message>
        <source>The server %1 could not be verified: %2</source>
        <translation>Der Server %1 konnte nicht überprüft werden: %2</translation>
    </message>
    <message>
        <source>The certificate authorities in %1 (SSL_CERT_FILE) cannot be read</source>
        <translation>Die Zertifizierungsstellen in %1 (SSL_CERT_FILE) können nicht gelesen werden</translation>
    </message>
    <message>
        <source>The system&apos;s certificate authorities cannot be read: </source>
        <translation>Die Zertifizierungsstellen des Systems können nicht gelesen werden: </translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2</source>
        <translation>Die sichere Verbindung zu %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>The transfer was cancelled because its window was closed</source>
        <translation>Die Übertragung wurde abgebrochen, weil ihr Fenster geschlossen wurde</translation>
    </message>
    <message>
        <source>The network library could not be set up</source>
        <translation>Die Netzwerkbibliothek konnte nicht eingerichtet werden</translation>
    </message>
    <message>
        <source>Invalid proxy setting &quot;%1&quot;: &quot;%2&quot; is no host name</source>
        <translation>Ungültige Proxy-Einstellung „%1“: „%2“ ist kein Hostname</translation>
    </message>
    <message>
        <source>The %1 of the stored copy cannot be sent to the server</source>
        <translation>Der Wert %1 der gespeicherten Kopie kann nicht an den Server geschickt werden</translation>
    </message>
    <message>
        <source>The network library cannot be used: </source>
        <translation>Die Netzwerkbibliothek ist nicht verwendbar: </translation>
    </message>
    <message numerus="yes">
        <source>%n second</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>the proxy server</source>
        <translation>der Proxy-Server</translation>
    </message>
    <message>
        <source>the proxy server %1</source>
        <translation>der Proxy-Server %1</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password (HTTP 407)</source>
        <translation>Der Proxy-Server verlangt Benutzername und Passwort (HTTP 407)</translation>
    </message>
    <message>
        <source>The proxy server %1 requires a user name and password (HTTP 407)</source>
        <translation>Der Proxy-Server %1 verlangt Benutzername und Passwort (HTTP 407)</translation>
    </message>
    <message>
        <source>The proxy server %1 closed the connection without answering</source>
        <translation>Der Proxy-Server %1 hat die Verbindung ohne Antwort geschlossen</translation>
    </message>
    <message>
        <source>The server %1 closed the connection without answering</source>
        <translation>Der Server %1 hat die Verbindung ohne Antwort geschlossen</translation>
    </message>
    <message>
        <source>Time-out: no answer from %1 within %2</source>
        <translation>Zeitüberschreitung: keine Antwort von %1 innerhalb von %2</translation>
    </message>
    <message>
        <source>Time-out: the document from %1 did not arrive within %2</source>
        <translation>Zeitüberschreitung: das Dokument von %1 kam nicht innerhalb von %2 an</translation>
    </message>
    <message>
        <source>Time-out: the document from %1 arrived at less than %2 a second for %3</source>
        <translation>Zeitüberschreitung: das Dokument von %1 kam %3 lang mit weniger als %2 pro Sekunde an</translation>
    </message>
    <message>
        <source>The document exceeds the size limit of %1</source>
        <translation>Das Dokument überschreitet die Größengrenze von %1</translation>
    </message>
    <message>
        <source>Redirect to %1 refused: </source>
        <translation>Weiterleitung nach %1 abgelehnt: </translation>
    </message>
    <message>
        <source>a secure https address is never left for a plain http one</source>
        <translation>eine sichere https-Adresse wird nie für eine einfache http-Adresse verlassen</translation>
    </message>
    <message>
        <source>only http and https addresses are followed</source>
        <translation>nur http- und https-Adressen wird gefolgt</translation>
    </message>
    <message>
        <source>The transfer was cancelled</source>
        <translation>Die Übertragung wurde abgebrochen</translation>
    </message>
    <message>
        <source>Invalid proxy setting &quot;%1&quot;: </source>
        <translation>Ungültige Proxy-Einstellung „%1“: </translation>
    </message>
    <message>
        <source>no proxy server is named</source>
        <translation>es ist kein Proxy-Server angegeben</translation>
    </message>
    <message>
        <source>the port must be a whole number from 1 to 65535</source>
        <translation>der Port muss eine ganze Zahl von 1 bis 65535 sein</translation>
    </message>
    <message>
        <source>%1 lacks a function the program needs</source>
        <translation>%1 fehlt eine Funktion, die das Programm braucht</translation>
    </message>
    <message>
        <source>%1 could not be initialised</source>
        <translation>%1 konnte nicht initialisiert werden</translation>
    </message>
    <message>
        <source>The network library cannot be loaded: </source>
        <translation>Die Netzwerkbibliothek kann nicht geladen werden: </translation>
    </message>
</context>
</TS>
