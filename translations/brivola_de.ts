<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>Version 2.0</source>
        <translation>Version 2.0</translation>
    </message>
    <message>
        <source>Web Browser supporting Multi-Document and Full-Screen Browsing</source>
        <translation>Webbrowser mit mehreren Fenstern und Vollbildmodus</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Brivola 2.0</source>
        <translation>Über Brivola 2.0</translation>
    </message>
    <message>
        <source>Disclaimer of warranty</source>
        <translation>Gewährleistungsausschluss</translation>
    </message>
    <message>
        <source>DISCLAIMER OF WARRANTY: BRIVOLA 2.0

THE SOFTWARE AND ITS MANUAL ARE
PROVIDED AS IS. NO WARRANTY IS GIVEN,
EXPRESS OR IMPLIED, AS TO THEIR
PERFORMANCE, THEIR MERCHANTABILITY OR
ANY OTHER QUALITY, AND NO PROMISE IS
MADE THAT THE SOFTWARE WILL RUN
WITHOUT INTERRUPTION OR ERROR. NOTHING
SAID BY A SALESPERSON OR BY ANY OTHER
PERSON ABOUT THE SOFTWARE IS A
WARRANTY, AND NO SUCH STATEMENT BINDS
THE AUTHOR.

BECAUSE THE SOFTWARE RUNS ON MANY
KINDS OF COMPUTERS AND ALONGSIDE MANY
OTHER PROGRAMS, NO WARRANTY OF FITNESS
FOR ANY PARTICULAR PURPOSE IS OFFERED.
TRY THE PROGRAM THOROUGHLY WITH DATA
THAT DOES NOT MATTER, AND KEEP COPIES
OF YOUR WORK, BEFORE YOU RELY ON IT:
YOU ALONE BEAR THE WHOLE RISK OF USING
IT. SHOULD THE SOFTWARE FAIL, ANY
LIABILITY OF THE AUTHOR IS LIMITED TO
REPLACING THE PRODUCT OR TO REFUNDING
THE PRICE YOU PAID FOR IT.</source>
        <extracomment>Upper case, wrapped by hand in lines of at most 38 characters.</extracomment>
        <translation>GEWÄHRLEISTUNGSAUSSCHLUSS: BRIVOLA 2.0

DIE SOFTWARE UND IHR HANDBUCH WERDEN
OHNE MÄNGELGEWÄHR ÜBERLASSEN. ES WIRD
KEINE GEWÄHRLEISTUNG ÜBERNOMMEN, WEDER
AUSDRÜCKLICH NOCH STILLSCHWEIGEND, FÜR
IHRE LEISTUNG, IHRE MARKTGÄNGIGKEIT
ODER EINE ANDERE EIGENSCHAFT, UND ES
WIRD NICHT ZUGESICHERT, DASS DIE
SOFTWARE OHNE UNTERBRECHUNG ODER
FEHLER LÄUFT. NICHTS, WAS EIN
VERKÄUFER ODER EINE ANDERE PERSON ÜBER
DIE SOFTWARE SAGT, IST EINE
GEWÄHRLEISTUNG, UND KEINE SOLCHE
AUSSAGE BINDET DEN AUTOR.

DA DIE SOFTWARE AUF VIELEN ARTEN VON
COMPUTERN UND NEBEN VIELEN ANDEREN
PROGRAMMEN LÄUFT, WIRD KEINE
GEWÄHRLEISTUNG FÜR DIE EIGNUNG ZU
EINEM BESTIMMTEN ZWECK ÜBERNOMMEN.
PRÜFEN SIE DAS PROGRAMM GRÜNDLICH MIT
UNWICHTIGEN DATEN UND BEWAHREN SIE
KOPIEN IHRER ARBEIT AUF, BEVOR SIE
SICH DARAUF VERLASSEN: SIE ALLEIN
TRAGEN DAS GESAMTE RISIKO DER NUTZUNG.
SOLLTE DIE SOFTWARE VERSAGEN, IST JEDE
HAFTUNG DES AUTORS AUF DEN ERSATZ DES
PRODUKTS ODER DIE ERSTATTUNG DES
DAFÜR GEZAHLTEN PREISES BESCHRÄNKT.</translation>
    </message>
</context>
<context>
    <name>AddressCompletion</name>
    <message>
        <source>Visited pages</source>
        <translation>Besuchte Seiten</translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>Go Backward</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Stop Loading Page</source>
        <translation>Laden der Seite anhalten</translation>
    </message>
    <message>
        <source>Go Foreward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation>Zur Startseite</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>Seite neu laden</translation>
    </message>
    <message>
        <source>Search the Web</source>
        <translation>Im Web suchen</translation>
    </message>
    <message>
        <source>Change IE4 Settings</source>
        <translation>Interneteinstellungen ändern</translation>
    </message>
    <message>
        <source>Send E-mail</source>
        <translation>E-Mail senden</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Die Seite konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>MDI Browser</source>
        <translation>MDI-Browser</translation>
    </message>
    <message>
        <source>Enter URL</source>
        <translation>Adresse eingeben</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Addresses entered</source>
        <translation>Eingegebene Adressen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Internet options</source>
        <translation>Internetoptionen</translation>
    </message>
    <message>
        <source>Send e-mail</source>
        <translation>E-Mail senden</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Brivola 2.0: a web-browsing shell with a multiple-document frame and a full-screen mode.
Started with an address, it opens that address when full-screen mode starts.
While it runs, a second start hands its addresses to the running program and ends.
Qt&apos;s own options (-platform, -style, ...) are taken by Qt.</source>
        <translation>Brivola 2.0: eine Oberfläche zum Surfen im Web mit einem Rahmen für mehrere Fenster und einem Vollbildmodus.
Mit einer Adresse gestartet, öffnet es diese Adresse, sobald der Vollbildmodus beginnt.
Während es läuft, übergibt ein zweiter Start seine Adressen an das laufende Programm und endet.
Qts eigene Optionen (-platform, -style, ...) nimmt Qt.</translation>
    </message>
    <message>
        <source>The page full-screen mode opens; the arguments are joined by spaces. After &quot;--&quot;, arguments that start with a dash are part of it too.</source>
        <translation>Die Seite, die der Vollbildmodus öffnet; die Argumente werden mit Leerzeichen verbunden. Nach &quot;--&quot; gehören auch Argumente, die mit einem Bindestrich beginnen, dazu.</translation>
    </message>
    <message>
        <source>[address...]</source>
        <translation>[Adresse...]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Open each address in a new browser window of the frame instead.</source>
        <translation>Stattdessen jede Adresse in einem neuen Browserfenster des Rahmens öffnen.</translation>
    </message>
</context>
<context>
    <name>DownloadsWindow</name>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Downloads of this session</source>
        <translation>Downloads dieser Sitzung</translation>
    </message>
</context>
<context>
    <name>EnginePage</name>
    <message>
        <source>show notifications</source>
        <translation>Benachrichtigungen anzeigen</translation>
    </message>
    <message>
        <source>know your location</source>
        <translation>Ihren Standort kennen</translation>
    </message>
    <message>
        <source>use your microphone</source>
        <translation>Ihr Mikrofon verwenden</translation>
    </message>
    <message>
        <source>use your camera</source>
        <translation>Ihre Kamera verwenden</translation>
    </message>
    <message>
        <source>use your camera and microphone</source>
        <translation>Ihre Kamera und Ihr Mikrofon verwenden</translation>
    </message>
    <message>
        <source>hide and lock the mouse pointer</source>
        <translation>den Mauszeiger ausblenden und festhalten</translation>
    </message>
    <message>
        <source>share your screen</source>
        <translation>Ihren Bildschirm teilen</translation>
    </message>
    <message>
        <source>share your screen and its sound</source>
        <translation>Ihren Bildschirm und seinen Ton teilen</translation>
    </message>
    <message>
        <source>The certificate is not trusted.</source>
        <translation>Dem Zertifikat wird nicht vertraut.</translation>
    </message>
    <message>
        <source>The certificate has expired, or is not valid yet.</source>
        <translation>Das Zertifikat ist abgelaufen oder noch nicht gültig.</translation>
    </message>
    <message>
        <source>The certificate is for another site.</source>
        <translation>Das Zertifikat gilt für eine andere Website.</translation>
    </message>
    <message>
        <source>The certificate has been revoked.</source>
        <translation>Das Zertifikat wurde widerrufen.</translation>
    </message>
    <message>
        <source>its renderer crashed</source>
        <translation>ihr Darstellungsprozess ist abgestürzt</translation>
    </message>
    <message>
        <source>its renderer was killed</source>
        <translation>ihr Darstellungsprozess wurde beendet</translation>
    </message>
    <message>
        <source>its renderer ended with status %1</source>
        <translation>ihr Darstellungsprozess endete mit Status %1</translation>
    </message>
    <message>
        <source>%1 wants to %2.</source>
        <translation>%1 möchte %2.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Erlauben</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>Ablehnen</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Trotzdem fortfahren</translation>
    </message>
    <message>
        <source>The connection to %1 is not secure.

%2</source>
        <translation>Die Verbindung zu %1 ist nicht sicher.

%2</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>This page stopped</source>
        <translation>Diese Seite wurde angehalten</translation>
    </message>
    <message>
        <source>read and change your clipboard</source>
        <translation>die Zwischenablage lesen und ändern</translation>
    </message>
    <message>
        <source>see the fonts installed on your computer</source>
        <translation>die auf Ihrem Computer installierten Schriftarten sehen</translation>
    </message>
    <message>
        <source>Remember this decision</source>
        <translation>Diese Entscheidung merken</translation>
    </message>
    <message>
        <source>%1 asks for a user name and password.</source>
        <translation>%1 fragt nach einem Benutzernamen und einem Passwort.</translation>
    </message>
    <message>
        <source>The proxy %1 asks for a user name and password to reach %2.</source>
        <translation>Der Proxy %1 fragt nach einem Benutzernamen und einem Passwort, um %2 zu erreichen.</translation>
    </message>
    <message>
        <source>The site says: &quot;%1&quot;</source>
        <translation>Die Website sagt: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>It says: &quot;%1&quot;</source>
        <translation>Er sagt: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The user name or password was not accepted.</source>
        <translation>Der Benutzername oder das Passwort wurde nicht angenommen.</translation>
    </message>
</context>
<context>
    <name>EngineSetup</name>
    <message>
        <source>Qt WebEngine %1, Chromium %2 (security fixes of %3)</source>
        <extracomment>%1 and %2 are version numbers, %3 the version whose security fixes the engine has.</extracomment>
        <translation>Qt WebEngine %1, Chromium %2 (Sicherheitskorrekturen von %3)</translation>
    </message>
    <message>
        <source>no display to show windows on; start it from a desktop session, or headless with: %1</source>
        <extracomment>%1 is the command that starts the program headless.</extracomment>
        <translation>keine Anzeige, auf der Fenster erscheinen können; starten Sie das Programm aus einer Desktop-Sitzung oder ohne Bildschirm mit: %1</translation>
    </message>
    <message>
        <source>running as root, so the web engine runs without its sandbox</source>
        <translation>läuft als root, daher läuft die Web-Engine ohne ihre Sandbox</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in page</source>
        <translation>Auf der Seite suchen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>FullScreenToolbar</name>
    <message>
        <source>&amp;Q</source>
        <translation>&amp;Q</translation>
    </message>
    <message>
        <source>Jump!</source>
        <translation>Los!</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Mini</source>
        <translation>Mini</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Hide toolbar</source>
        <translation>Werkzeugleiste ausblenden</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Addresses entered</source>
        <translation>Eingegebene Adressen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>FullScreenWindow</name>
    <message>
        <source>&amp;Q</source>
        <translation>&amp;Q</translation>
    </message>
    <message>
        <source>IE Error</source>
        <translation>Browserfehler</translation>
    </message>
    <message>
        <source>That page violates parental rules</source>
        <translation>Diese Seite verstößt gegen die Regeln der Eltern</translation>
    </message>
    <message>
        <source>Show toolbar</source>
        <translation>Werkzeugleiste zeigen</translation>
    </message>
    <message>
        <source>The list of restricted pages could not be read, so every page is refused. A parent can repair it with brivola-restrictions.

%1</source>
        <translation>Die Liste der gesperrten Seiten konnte nicht gelesen werden, daher wird jede Seite abgewiesen. Ein Elternteil kann sie mit brivola-restrictions reparieren.

%1</translation>
    </message>
    <message>
        <source>The full-screen guard is damaged, so full-screen mode cannot be left. A parent can repair it with &quot;brivola-restrictions --system passphrase&quot;.

%1</source>
        <translation>Der Schutz des Vollbildmodus ist beschädigt, daher kann der Vollbildmodus nicht verlassen werden. Ein Elternteil kann ihn mit &quot;brivola-restrictions --system passphrase&quot; reparieren.

%1</translation>
    </message>
    <message>
        <source>The stored hash of the parent passphrase is damaged.</source>
        <translation>Der gespeicherte Hash des Passworts der Eltern ist beschädigt.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>C&amp;lear History</source>
        <translation>Verlauf &amp;leeren</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Search history</source>
        <translation>Verlauf durchsuchen</translation>
    </message>
    <message>
        <source>Visits</source>
        <translation>Besuche</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Remove every page from the history?</source>
        <translation>Alle Seiten aus dem Verlauf entfernen?</translation>
    </message>
</context>
<context>
    <name>IniDisk</name>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Could not copy the damaged settings file %1: %2</source>
        <translation>Die beschädigte Einstellungsdatei %1 konnte nicht kopiert werden: %2</translation>
    </message>
    <message>
        <source>Could not read %1: it is not a file</source>
        <translation>%1 konnte nicht gelesen werden: Das ist keine Datei</translation>
    </message>
    <message>
        <source>Could not read %1: it is too large to be a settings file</source>
        <translation>%1 konnte nicht gelesen werden: Die Datei ist zu groß für eine Einstellungsdatei</translation>
    </message>
    <message>
        <source>Could not save %1: the file is read-only</source>
        <translation>%1 konnte nicht gespeichert werden: Die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Could not save %1: another program keeps it locked</source>
        <translation>%1 konnte nicht gespeichert werden: Ein anderes Programm hält die Datei gesperrt</translation>
    </message>
    <message>
        <source>Could not save %1: its lock file cannot be made</source>
        <translation>%1 konnte nicht gespeichert werden: Die Sperrdatei dazu lässt sich nicht anlegen</translation>
    </message>
</context>
<context>
    <name>IniDocument</name>
    <message>
        <source>The settings would grow beyond %1 bytes, the most a file may hold</source>
        <translation>Die Einstellungen würden über %1 Byte wachsen, mehr als eine Datei fassen darf</translation>
    </message>
    <message>
        <source>line %1 has a quote that is not closed</source>
        <translation>Zeile %1 hat ein Anführungszeichen, das nicht geschlossen wird</translation>
    </message>
    <message>
        <source>line %1 has a section name without &apos;]&apos;</source>
        <translation>Zeile %1 hat einen Abschnittsnamen ohne &apos;]&apos;</translation>
    </message>
    <message>
        <source>line %1 has text after its section name</source>
        <translation>Zeile %1 hat Text nach ihrem Abschnittsnamen</translation>
    </message>
    <message>
        <source>The damaged settings file is too large to be repaired</source>
        <translation>Die beschädigte Einstellungsdatei ist zu groß, um repariert zu werden</translation>
    </message>
    <message>
        <source>line %1 is not valid UTF-8</source>
        <translation>Zeile %1 ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>line %1 is neither a section, a setting nor a comment</source>
        <translation>Zeile %1 ist weder ein Abschnitt noch eine Einstellung noch ein Kommentar</translation>
    </message>
    <message>
        <source>line %1 names section [%2], which is also spelled [%3]</source>
        <translation>Zeile %1 nennt den Abschnitt [%2], der auch [%3] geschrieben wird</translation>
    </message>
</context>
<context>
    <name>InternetOptionsDialog</name>
    <message>
        <source>Internet Options</source>
        <translation>Internetoptionen</translation>
    </message>
    <message>
        <source>&amp;Home page:</source>
        <translation>&amp;Startseite:</translation>
    </message>
    <message>
        <source>&amp;Search page:</source>
        <translation>S&amp;uchseite:</translation>
    </message>
    <message>
        <source>Use &amp;Defaults</source>
        <translation>&amp;Vorgaben verwenden</translation>
    </message>
    <message>
        <source>&amp;Clear Cache, Cookies and History</source>
        <translation>Cache, Cookies und Verlauf &amp;leeren</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address.</source>
        <translation>&quot;%1&quot; ist keine Webadresse.</translation>
    </message>
    <message>
        <source>The settings could not be saved. %1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>Cache, cookies and history cleared; what sites stored goes as Brivola next starts.</source>
        <translation>Cache, Cookies und Verlauf geleert; was Websites gespeichert haben, verschwindet beim nächsten Start von Brivola.</translation>
    </message>
    <message>
        <source>Words typed in an address box are searched for here: %s in the address stands for them; without a %s, q=&lt;words&gt; is added.</source>
        <translation>In ein Adressfeld getippte Wörter werden hier gesucht: %s in der Adresse steht für sie; ohne %s wird q=&lt;Wörter&gt; angehängt.</translation>
    </message>
    <message>
        <source>Decisions remembered for sites</source>
        <translation>Für Websites gemerkte Entscheidungen</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Vergessen</translation>
    </message>
    <message>
        <source>Decisions remembered for sites:</source>
        <translation>Für Websites gemerkte Entscheidungen:</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Erlauben</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>Ablehnen</translation>
    </message>
    <message>
        <source>%1 may %2: %3</source>
        <translation>%1 darf %2: %3</translation>
    </message>
</context>
<context>
    <name>MachineSettings</name>
    <message>
        <source>%1: [%2] %3 is &quot;%4&quot;, neither %5 nor %6</source>
        <extracomment>%1 is the file, [%2] the section, %3 the key, %4 its value, %5 and %6 the two values it may hold; all as stored.</extracomment>
        <translation>%1: [%2] %3 ist &quot;%4&quot;, weder %5 noch %6</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text</source>
        <translation>%1 ist kein UTF-8-Text</translation>
    </message>
</context>
<context>
    <name>MachineSettingsFiles</name>
    <message>
        <source>Could not read %1: permission denied</source>
        <translation>%1 konnte nicht gelesen werden: Zugriff verweigert</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>New Browser</source>
        <translation>Neuer Browser</translation>
    </message>
    <message>
        <source>New QuickNote</source>
        <translation>Neue QuickNote</translation>
    </message>
    <message>
        <source>SystemInfo</source>
        <translation>Systeminfo</translation>
    </message>
    <message>
        <source>Organizer/Favorites</source>
        <translation>Organizer/Favoriten</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Browser</source>
        <translation>&amp;Neuer Browser</translation>
    </message>
    <message>
        <source>New &amp;QuickNote</source>
        <translation>Neue &amp;QuickNote</translation>
    </message>
    <message>
        <source>&amp;Downloads</source>
        <translation>&amp;Downloads</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;System Informaton</source>
        <translation>&amp;Systeminformationen</translation>
    </message>
    <message>
        <source>&amp;Organizer and Favorites</source>
        <translation>&amp;Organizer und Favoriten</translation>
    </message>
    <message>
        <source>&amp;Internet Explorer Settings</source>
        <translation>&amp;Interneteinstellungen</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Cascade Windows</source>
        <translation>&amp;Überlappend anordnen</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontal</source>
        <translation>&amp;Horizontal anordnen</translation>
    </message>
    <message>
        <source>Tile &amp;Vertical</source>
        <translation>V&amp;ertikal anordnen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>A download is still running. Exit and cancel it?</source>
        <translation>Ein Download läuft noch. Beenden und ihn abbrechen?</translation>
    </message>
    <message>
        <source>%1 downloads are still running. Exit and cancel them?</source>
        <translation>%1 Downloads laufen noch. Beenden und sie abbrechen?</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>1. Letter From the Author and Programmer</source>
        <translation>1. Brief des Autors und Programmierers</translation>
    </message>
    <message>
        <source>1. Letter From the Author And Programmer</source>
        <translation>1. Brief des Autors und Programmierers</translation>
    </message>
    <message>
        <source>Thank you for trying Brivola 2.0. The main new feature of this version is the multiple-document
browsing interface: keep as many browser windows open as you like, all inside one main window.
Version 2.0 also brings the System Information readout, which tells you about your computer,
and a scheduler in the organizer that keeps your appointments by date. I hope you enjoy using it.</source>
        <translation>Vielen Dank, dass Sie Brivola 2.0 ausprobieren. Die wichtigste Neuerung dieser Version ist die Oberfläche
für mehrere Dokumente: Lassen Sie so viele Browserfenster offen, wie Sie möchten, alle in einem Hauptfenster.
Version 2.0 bringt außerdem die Systeminformationen, die Ihnen Auskunft über Ihren Computer geben,
und einen Terminplaner im Organizer, der Ihre Termine nach Datum verwaltet. Ich wünsche Ihnen viel Freude damit.</translation>
    </message>
    <message>
        <source>2. Using the MDI Interface</source>
        <translation>2. Die MDI-Oberfläche verwenden</translation>
    </message>
    <message>
        <source>When Brivola starts, a browser window opens inside the main window. The browser controls sit at the
top of each browser window: type an address and press Enter, or use the buttons to go back, go
forward, stop, reload, go home or search. For more browser windows, click the &quot;New Browser&quot; button
or choose &quot;New Browser&quot; from the &quot;File&quot; menu. Every browser window stays inside the main window.</source>
        <translation>Wenn Brivola startet, öffnet sich ein Browserfenster im Hauptfenster. Die Bedienelemente des Browsers befinden sich
oben in jedem Browserfenster: Geben Sie eine Adresse ein und drücken Sie die Eingabetaste, oder gehen Sie mit den
Schaltflächen zurück oder vorwärts, halten Sie an, laden Sie neu, gehen Sie zur Startseite oder suchen Sie. Für weitere
Browserfenster klicken Sie auf die Schaltfläche &quot;Neuer Browser&quot; oder wählen &quot;Neuer Browser&quot; im Menü &quot;Datei&quot;.
Jedes Browserfenster bleibt im Hauptfenster.</translation>
    </message>
    <message>
        <source>3. Using the Full Screen Interface</source>
        <translation>3. Den Vollbildmodus verwenden</translation>
    </message>
    <message>
        <source>To browse with the whole screen, click the &quot;Full Screen&quot; button. In full-screen mode, click at the
very top of the screen to bring up the floating browser bar, which steers the page. Click &quot;Exit&quot;
on the bar to leave full-screen mode and return to the main window.</source>
        <translation>Um mit dem ganzen Bildschirm zu surfen, klicken Sie auf die Schaltfläche &quot;Vollbild&quot;. Klicken Sie im Vollbildmodus
ganz oben auf den Bildschirm, um die schwebende Browserleiste einzublenden, die die Seite steuert. Klicken Sie in der
Leiste auf &quot;Ende&quot;, um den Vollbildmodus zu verlassen und zum Hauptfenster zurückzukehren.</translation>
    </message>
    <message>
        <source>4. Organizer/Favorites</source>
        <translation>4. Organizer/Favoriten</translation>
    </message>
    <message>
        <source>The organizer keeps a calendar for your appointments, a list of your Internet favorites and a list
of phone numbers. Pick a date to write down what is planned for that day; double-click a favorite
to open it in a new browser window.</source>
        <translation>Der Organizer führt einen Kalender für Ihre Termine, eine Liste Ihrer Internetfavoriten und eine Liste
von Telefonnummern. Wählen Sie ein Datum, um aufzuschreiben, was für diesen Tag geplant ist; doppelklicken Sie
auf einen Favoriten, um ihn in einem neuen Browserfenster zu öffnen.</translation>
    </message>
    <message>
        <source>5. System Info</source>
        <translation>5. Systeminfo</translation>
    </message>
    <message>
        <source>The System Info readout shows your computer&apos;s processor, memory and power status, and how long it
has been running. Click &quot;Update&quot; to read it again and &quot;Print&quot; to print it.</source>
        <translation>Die Systeminformationen zeigen Prozessor, Speicher und Stromversorgung Ihres Computers und wie lange er
schon läuft. Klicken Sie auf &quot;Aktualisieren&quot;, um sie neu einzulesen, und auf &quot;Drucken&quot;, um sie zu drucken.</translation>
    </message>
    <message>
        <source>Brivola 2.0 Manual</source>
        <translation>Brivola 2.0 Handbuch</translation>
    </message>
    <message>
        <source>MDI Browsing System</source>
        <translation>MDI-Browsersystem</translation>
    </message>
</context>
<context>
    <name>NamedListPage</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Both text boxes must be filled!</source>
        <translation>Beide Textfelder müssen ausgefüllt sein!</translation>
    </message>
</context>
<context>
    <name>OrganizerWindow</name>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thur</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Remove Number</source>
        <translation>Nummer entfernen</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Add Number</source>
        <translation>Nummer hinzufügen</translation>
    </message>
    <message>
        <source>Remove URL</source>
        <translation>Adresse entfernen</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Add URL</source>
        <translation>Adresse hinzufügen</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Calender</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Internet Favorites</source>
        <translation>Internetfavoriten</translation>
    </message>
    <message>
        <source>Phone Numbers</source>
        <translation>Telefonnummern</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Print Agenda</source>
        <translation>Termine drucken</translation>
    </message>
    <message>
        <source>Agenda</source>
        <translation>Termine</translation>
    </message>
    <message>
        <source>Clear Appointments</source>
        <translation>Termine löschen</translation>
    </message>
    <message>
        <source>Are you sure</source>
        <translation>Sind Sie sicher</translation>
    </message>
    <message>
        <source>Clear the Schedule</source>
        <translation>Termine löschen</translation>
    </message>
    <message>
        <source>Agenda For: </source>
        <translation>Termine für: </translation>
    </message>
    <message>
        <source>The organizer&apos;s entries could not be saved. %1

The organizer stays open with everything in it: try &quot;Done&quot; again, or copy your entries elsewhere.</source>
        <translation>Die Einträge des Organizers konnten nicht gespeichert werden. %1

Der Organizer bleibt mit allem darin offen: versuchen Sie &quot;Fertig&quot; noch einmal, oder kopieren Sie Ihre Einträge anderswohin.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Phone numbers</source>
        <translation>Telefonnummern</translation>
    </message>
    <message>
        <source>Internet favorites</source>
        <translation>Internetfavoriten</translation>
    </message>
    <message>
        <source>No day</source>
        <translation>Kein Tag</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1. %2 %3</translation>
    </message>
    <message>
        <source>the organizer&apos;s entries could not be saved: %1</source>
        <translation>die Einträge des Organizers konnten nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>Passphrase</name>
    <message>
        <source>libsodium could not be initialised</source>
        <translation>libsodium konnte nicht initialisiert werden</translation>
    </message>
    <message>
        <source>out of memory while hashing the passphrase</source>
        <translation>kein Speicher mehr beim Hashen des Passworts</translation>
    </message>
</context>
<context>
    <name>PassphraseDialog</name>
    <message>
        <source>Leave full-screen mode</source>
        <translation>Vollbildmodus verlassen</translation>
    </message>
    <message>
        <source>Parent passphrase</source>
        <translation>Passwort der Eltern</translation>
    </message>
    <message>
        <source>A parent&apos;s passphrase is needed to leave full-screen mode.</source>
        <translation>Zum Verlassen des Vollbildmodus ist das Passwort eines Elternteils nötig.</translation>
    </message>
    <message>
        <source> Wait %1 seconds before the next try.</source>
        <translation> Warten Sie %1 Sekunden bis zum nächsten Versuch.</translation>
    </message>
    <message>
        <source>Wrong passphrase.</source>
        <translation>Falsches Passwort.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Done, %1</source>
        <translation>Fertig, %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>No program here shows folders; the file is in %1</source>
        <translation>Kein Programm hier zeigt Ordner an; die Datei liegt in %1</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>The printer did not take the document</source>
        <translation>Der Drucker hat das Dokument nicht angenommen</translation>
    </message>
    <message>
        <source>There is no default printer</source>
        <translation>Es gibt keinen Standarddrucker</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>%1 is damaged: %2</source>
        <extracomment>%1 is the file, %2 the first damage found, such as &quot;line 3 is not valid UTF-8&quot;.</extracomment>
        <translation>%1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>There is no section &quot;%1&quot; in %2</source>
        <translation>Es gibt keinen Abschnitt &quot;%1&quot; in %2</translation>
    </message>
    <message>
        <source>The settings file %1 was damaged (%2). A copy of it as it was is kept as %3.</source>
        <extracomment>%2 is the first damage found, such as &quot;line 3 is not valid UTF-8&quot;; %3 the copy.</extracomment>
        <translation>Die Einstellungsdatei %1 war beschädigt (%2). Eine Kopie davon, wie sie war, wird als %3 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>QuickNoteWindow</name>
    <message>
        <source>Save QuickNote</source>
        <translation>QuickNote speichern</translation>
    </message>
    <message>
        <source>The QuickNote could not be saved to &quot;%1&quot;: %2</source>
        <translation>Die QuickNote konnte nicht unter &quot;%1&quot; gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt</source>
        <translation>Textdateien (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>RestrictionsTool</name>
    <message>
        <source>Usage: %1 [--system] COMMAND
       %1 --system passphrase [--remove]
       %1 --system start-full-screen on|off
Keeps the parental restriction list of Brivola&apos;s full-screen mode: a page whose
title holds one of its words or phrases, letter case ignored, is refused there.

Commands:
  list         print the list as the full-screen window reads it, one entry a
               line (an empty entry, which refuses every page, as an empty line)
  add WORD     add a word or phrase (put a phrase in quotes: add &quot;bad word&quot;)
  remove WORD  remove every entry equal to WORD, letter case ignored
  clear        empty the list

Machine settings (with --system only):
  passphrase   set the parent passphrase, which leaving full-screen mode asks
               for (asked twice on a terminal, else two lines of the input);
               only a salted Argon2id hash of it is stored
  passphrase --remove
               remove it: full-screen mode is left without one
  start-full-screen on|off
               whether the program opens straight into full-screen mode
  --help       show this help
  --version    show the version

Two lists are kept, and the full-screen window refuses what either holds; it
reads them each time it opens. The user&apos;s own list is in
  %2
which the user, a child too, can change or delete. With --system the command
works on the machine&apos;s list, which only an administrator can change (run it as
root, for example with sudo), and which is out of a child&apos;s reach:
  %3
with the machine settings in section [Full Screen]. Every &quot;*.list&quot; file in its
folder restrictions.d (one entry a line, UTF-8) adds to the machine&apos;s list.
Both keep section [Restrictions]: &quot;Number&quot;, then &quot;0&quot;, &quot;1&quot;, ... Saving
rewrites those keys; other keys of the section are kept.

Exit status: 0 done, 1 failed (word not in the list, list not saved or not
readable, passphrases that differ), 2 wrong usage.
</source>
        <extracomment>%1 is the tool&apos;s name, %2 and %3 the files of the user&apos;s and the machine&apos;s lists. The commands, options, section and key names stay as they are.</extracomment>
        <translation>Aufruf: %1 [--system] BEFEHL
        %1 --system passphrase [--remove]
        %1 --system start-full-screen on|off
Pflegt die Sperrliste für Kinder im Vollbildmodus von Brivola: Eine Seite, deren
Titel eines ihrer Wörter oder eine ihrer Wendungen enthält, ohne Rücksicht auf
Groß- und Kleinschreibung, wird dort abgewiesen.

Befehle:
  list         die Liste so ausgeben, wie das Vollbildfenster sie liest, ein
               Eintrag je Zeile (ein leerer Eintrag, der jede Seite abweist,
               als leere Zeile)
  add WORT     ein Wort oder eine Wendung hinzufügen (eine Wendung in
               Anführungszeichen setzen: add &quot;böses Wort&quot;)
  remove WORT  jeden Eintrag gleich WORT entfernen, ohne Rücksicht auf Groß-
               und Kleinschreibung
  clear        die Liste leeren

Einstellungen des Rechners (nur mit --system):
  passphrase   das Passwort der Eltern setzen, nach dem das Verlassen des
               Vollbildmodus fragt (am Terminal zweimal abgefragt, sonst zwei
               Zeilen der Eingabe); gespeichert wird nur ein gesalzener
               Argon2id-Hash davon
  passphrase --remove
               es entfernen: der Vollbildmodus wird dann ohne Passwort verlassen
  start-full-screen on|off
               ob das Programm gleich im Vollbildmodus startet
  --help       diese Hilfe zeigen
  --version    die Version zeigen

Es gibt zwei Listen, und das Vollbildfenster weist ab, was eine von beiden
enthält; es liest sie bei jedem Öffnen. Die eigene Liste des Benutzers steht in
  %2
die der Benutzer, auch ein Kind, ändern oder löschen kann. Mit --system wirkt
der Befehl auf die Liste des Rechners, die nur ein Administrator ändern kann
(als root ausführen, zum Beispiel mit sudo) und die für ein Kind unerreichbar
ist:
  %3
mit den Einstellungen des Rechners im Abschnitt [Full Screen]. Jede Datei
&quot;*.list&quot; im dortigen Ordner restrictions.d (ein Eintrag je Zeile, UTF-8)
ergänzt die Liste des Rechners.
Beide nutzen den Abschnitt [Restrictions]: &quot;Number&quot;, dann &quot;0&quot;, &quot;1&quot;, ... Beim
Speichern werden diese Schlüssel neu geschrieben; andere Schlüssel des
Abschnitts bleiben erhalten.

Exit-Status: 0 erledigt, 1 fehlgeschlagen (Wort nicht in der Liste, Liste nicht
gespeichert oder nicht lesbar, Passwörter verschieden), 2 falscher Aufruf.
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Hilfe mit &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>could not save: %1</source>
        <translation>Speichern fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Only an administrator can change the machine&apos;s settings: run it as root.</source>
        <translation>Nur ein Administrator kann die Einstellungen des Rechners ändern: als root ausführen.</translation>
    </message>
    <message>
        <source>the machine&apos;s list could not be read: %1
Full-screen mode refuses every page until it can.</source>
        <translation>die Liste des Rechners konnte nicht gelesen werden: %1
Der Vollbildmodus weist jede Seite ab, bis sie lesbar ist.</translation>
    </message>
    <message>
        <source>New parent passphrase: </source>
        <translation>Neues Passwort der Eltern: </translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation>Noch einmal dasselbe: </translation>
    </message>
    <message>
        <source>no passphrase given; nothing changed</source>
        <translation>kein Passwort angegeben; nichts geändert</translation>
    </message>
    <message>
        <source>the two passphrases differ; nothing changed</source>
        <translation>die beiden Passwörter unterscheiden sich; nichts geändert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the list</source>
        <translation>&quot;%1&quot; steht schon in der Liste</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list</source>
        <translation>&quot;%1&quot; steht nicht in der Liste</translation>
    </message>
    <message>
        <source>&apos;passphrase&apos; takes nothing or --remove</source>
        <translation>&apos;passphrase&apos; nimmt nichts oder --remove</translation>
    </message>
    <message>
        <source>&apos;start-full-screen&apos; takes on or off</source>
        <translation>&apos;start-full-screen&apos; nimmt on oder off</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a machine setting: use --system %1</source>
        <translation>&apos;%1&apos; ist eine Einstellung des Rechners: --system %1 verwenden</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one word; put a phrase in quotes</source>
        <translation>&apos;%1&apos; nimmt ein Wort; eine Wendung in Anführungszeichen setzen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no word</source>
        <translation>&apos;%1&apos; nimmt kein Wort</translation>
    </message>
    <message>
        <source>an empty word would refuse every page; give a word or phrase</source>
        <translation>ein leeres Wort würde jede Seite abweisen; ein Wort oder eine Wendung angeben</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Version 2.0</source>
        <translation>Version 2.0</translation>
    </message>
    <message>
        <source>For Windows 95</source>
        <translation>Für Windows 95</translation>
    </message>
</context>
<context>
    <name>SqliteBrowsingMemory</name>
    <message>
        <source>its folder cannot be made</source>
        <translation>sein Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Brivola cannot keep its history, zoom and site permissions in %1 (%2). Until it ends, it remembers them in memory only.</source>
        <translation>Brivola kann Verlauf, Zoom und Website-Berechtigungen nicht in %1 speichern (%2). Bis zum Ende behält es sie nur im Speicher.</translation>
    </message>
    <message>
        <source>its layout %1 is not one this version of Brivola knows</source>
        <translation>sein Aufbau %1 ist dieser Version von Brivola unbekannt</translation>
    </message>
    <message>
        <source>The database of Brivola&apos;s history, zoom and site permissions was damaged. It was moved aside as %1, and a new one was started.</source>
        <translation>Die Datenbank mit Brivolas Verlauf, Zoom und Website-Berechtigungen war beschädigt. Sie wurde als %1 beiseitegelegt, und eine neue wurde angelegt.</translation>
    </message>
    <message>
        <source>Brivola could not record its history, zoom or site permissions (%1). What it could not record is lost; browsing goes on.</source>
        <translation>Brivola konnte Verlauf, Zoom oder Website-Berechtigungen nicht speichern (%1). Was nicht gespeichert werden konnte, ist verloren; das Surfen geht weiter.</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation, as a page&apos;s lang attribute takes it.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>Brivola Start Page</source>
        <translation>Brivola-Startseite</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Surfen</translation>
    </message>
    <message>
        <source>Type an address into the box above and press %1. &quot;New Browser&quot; opens another window; the Window menu cascades or tiles them.</source>
        <extracomment>%1 is the Enter key. The quoted names are the frame&apos;s button and menu.</extracomment>
        <translation>Geben Sie oben eine Adresse in das Feld ein und drücken Sie %1. &quot;Neuer Browser&quot; öffnet ein weiteres Fenster; das Menü Fenster ordnet sie überlappend oder nebeneinander an.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>&quot;Full Screen&quot; gives the whole screen to one page. Click the top edge of the screen, or press %1, to bring up the floating toolbar.</source>
        <extracomment>%1 is the keys Alt+Q. &quot;Full Screen&quot; is the frame&apos;s button.</extracomment>
        <translation>&quot;Vollbild&quot; gibt einer Seite den ganzen Bildschirm. Klicken Sie an den oberen Bildschirmrand oder drücken Sie %1, um die schwebende Symbolleiste einzublenden.</translation>
    </message>
    <message>
        <source>Organize</source>
        <translation>Organisieren</translation>
    </message>
    <message>
        <source>The organizer keeps your appointments, phone numbers and favourite pages. Press %1 for the manual.</source>
        <extracomment>%1 is the F1 key.</extracomment>
        <translation>Der Organizer verwaltet Ihre Termine, Telefonnummern und Lieblingsseiten. Drücken Sie %1 für das Handbuch.</translation>
    </message>
</context>
<context>
    <name>StoredCount</name>
    <message>
        <source>The organizer&apos;s saved data is damaged: the count &quot;%1&quot; in section &quot;%2&quot; holds &quot;%3&quot;, which is not a number, or more than %4 entries.

The organizer was not opened, so nothing in its data has been changed. Please repair or remove this file:
%5</source>
        <extracomment>%1 and %2 are the count&apos;s key and section as stored, %3 its value, %4 the most entries, %5 the file.</extracomment>
        <translation>Die gespeicherten Daten des Organizers sind beschädigt: Der Zähler &quot;%1&quot; im Abschnitt &quot;%2&quot; enthält &quot;%3&quot;, was keine Zahl ist oder mehr als %4 Einträge bedeutet.

Der Organizer wurde nicht geöffnet, daher wurde nichts an seinen Daten geändert. Bitte reparieren oder entfernen Sie diese Datei:
%5</translation>
    </message>
</context>
<context>
    <name>SystemInfoWindow</name>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Systeminformationen</translation>
    </message>
</context>
<context>
    <name>SystemReport</name>
    <message>
        <source>Status Unknown</source>
        <translation>Status unbekannt</translation>
    </message>
    <message>
        <source>Windows has been running for: %1 Hours %2 Minutes</source>
        <translation>Windows läuft seit: %1 Stunden %2 Minuten</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Nicht angeschlossen</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Angeschlossen</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritisch</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>No system battery</source>
        <translation>Kein Systemakku</translation>
    </message>
    <message>
        <source>System Information as of: %1, %2</source>
        <translation>Systeminformationen, Stand: %1, %2</translation>
    </message>
    <message>
        <source>&lt;-- Processor Information --&gt;</source>
        <translation>&lt;-- Prozessorinformationen --&gt;</translation>
    </message>
    <message>
        <source>Processor Type: %1</source>
        <translation>Prozessortyp: %1</translation>
    </message>
    <message>
        <source># Of Processors: %1</source>
        <translation>Anzahl der Prozessoren: %1</translation>
    </message>
    <message>
        <source>Minimum Application Address: %1</source>
        <translation>Niedrigste Anwendungsadresse: %1</translation>
    </message>
    <message>
        <source>Maximum Application Address: %1</source>
        <translation>Höchste Anwendungsadresse: %1</translation>
    </message>
    <message>
        <source>&lt;-- Memory Information --&gt;</source>
        <translation>&lt;-- Speicherinformationen --&gt;</translation>
    </message>
    <message>
        <source>Memory Use: %1%</source>
        <translation>Speicherauslastung: %1 %</translation>
    </message>
    <message>
        <source>Total Physical Memory: %1 Kilobytes</source>
        <translation>Physischer Speicher gesamt: %1 Kilobyte</translation>
    </message>
    <message>
        <source>Available Physical Memory: %1 Kilobytes</source>
        <translation>Verfügbarer physischer Speicher: %1 Kilobyte</translation>
    </message>
    <message>
        <source>Total Virtual Memory: %1 Kilobytes</source>
        <translation>Virtueller Speicher gesamt: %1 Kilobyte</translation>
    </message>
    <message>
        <source>Available Virtual Memory: %1 Kilobytes</source>
        <translation>Verfügbarer virtueller Speicher: %1 Kilobyte</translation>
    </message>
    <message>
        <source>&lt;-- Power Information --&gt;</source>
        <translation>&lt;-- Energieinformationen --&gt;</translation>
    </message>
    <message>
        <source>AC Power Status: %1</source>
        <translation>Netzstromstatus: %1</translation>
    </message>
    <message>
        <source>Battery Status: %1</source>
        <translation>Akkustatus: %1</translation>
    </message>
    <message>
        <source>Percent Of Battery Charge: %1%</source>
        <translation>Akkuladung in Prozent: %1 %</translation>
    </message>
    <message>
        <source>Time Left (min): %1</source>
        <translation>Restzeit (min): %1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>the file was not written whole</source>
        <translation>die Datei wurde nicht vollständig geschrieben</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Cannot connect to this site or directory</source>
        <translation>Keine Verbindung zu dieser Website oder diesem Verzeichnis möglich</translation>
    </message>
    <message>
        <source>Printer Error</source>
        <translation>Druckerfehler</translation>
    </message>
    <message>
        <source>Blocked a window this page tried to open on its own</source>
        <translation>Ein Fenster, das diese Seite von sich aus öffnen wollte, wurde blockiert</translation>
    </message>
</context>
<context>
    <name>TimeOnline</name>
    <message>
        <source>Time Online: %1 Hours %2 Minutes %3 Seconds </source>
        <translation>Online-Zeit: %1 Stunden %2 Minuten %3 Sekunden </translation>
    </message>
</context>
<context>
    <name>WebEngineBrowser</name>
    <message>
        <source>Save link as...</source>
        <translation>Link speichern unter...</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>%1 drucken</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Link öffnen</translation>
    </message>
    <message>
        <source>There is no earlier page</source>
        <translation>Es gibt keine vorherige Seite</translation>
    </message>
    <message>
        <source>There is no later page</source>
        <translation>Es gibt keine nächste Seite</translation>
    </message>
    <message>
        <source>Page loading</source>
        <translation>Seite wird geladen</translation>
    </message>
</context>
<context>
    <name>WebEngineProfile</name>
    <message>
        <source>Full-screen mode does not download files.</source>
        <translation>Im Vollbildmodus werden keine Dateien heruntergeladen.</translation>
    </message>
</context>
</TS>
