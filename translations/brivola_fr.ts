<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutBox</name>
    <message>
        <source>Version 2.0</source>
        <translation>Version 2.0</translation>
    </message>
    <message>
        <source>Web Browser supporting Multi-Document and Full-Screen Browsing</source>
        <translation>Navigateur web à plusieurs fenêtres et en plein écran</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Brivola 2.0</source>
        <translation>À propos de Brivola 2.0</translation>
    </message>
    <message>
        <source>Disclaimer of warranty</source>
        <translation>Exclusion de garantie</translation>
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
        <translation>EXCLUSION DE GARANTIE : BRIVOLA 2.0

LE LOGICIEL ET SON MANUEL SONT FOURNIS
EN L&apos;ÉTAT. AUCUNE GARANTIE, EXPRESSE
OU IMPLICITE, N&apos;EST DONNÉE QUANT À
LEURS PERFORMANCES, LEUR QUALITÉ
MARCHANDE OU TOUTE AUTRE QUALITÉ, ET
IL N&apos;EST PAS PROMIS QUE LE LOGICIEL
FONCTIONNERA SANS INTERRUPTION NI
ERREUR. RIEN DE CE QUE DIT UN VENDEUR
OU TOUTE AUTRE PERSONNE AU SUJET DU
LOGICIEL NE CONSTITUE UNE GARANTIE,
ET AUCUNE DÉCLARATION DE CE TYPE
N&apos;ENGAGE L&apos;AUTEUR.

LE LOGICIEL FONCTIONNANT SUR DE
NOMBREUX TYPES D&apos;ORDINATEURS ET AUX
CÔTÉS DE NOMBREUX AUTRES PROGRAMMES,
AUCUNE GARANTIE D&apos;ADÉQUATION À UN
USAGE PARTICULIER N&apos;EST OFFERTE.
ESSAYEZ LE PROGRAMME À FOND AVEC DES
DONNÉES SANS IMPORTANCE, ET GARDEZ DES
COPIES DE VOTRE TRAVAIL, AVANT DE VOUS
Y FIER : VOUS SEUL ASSUMEZ L&apos;ENTIER
RISQUE DE SON UTILISATION. SI LE
LOGICIEL FAIT DÉFAUT, LA
RESPONSABILITÉ DE L&apos;AUTEUR SE LIMITE
AU REMPLACEMENT DU PRODUIT OU AU
REMBOURSEMENT DU PRIX PAYÉ.</translation>
    </message>
</context>
<context>
    <name>AddressCompletion</name>
    <message>
        <source>Visited pages</source>
        <translation>Pages visitées</translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>Go Backward</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Stop Loading Page</source>
        <translation>Arrêter le chargement</translation>
    </message>
    <message>
        <source>Go Foreward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation>Page d&apos;accueil</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>Recharger la page</translation>
    </message>
    <message>
        <source>Search the Web</source>
        <translation>Rechercher sur le web</translation>
    </message>
    <message>
        <source>Change IE4 Settings</source>
        <translation>Modifier les paramètres Internet</translation>
    </message>
    <message>
        <source>Send E-mail</source>
        <translation>Envoyer un courriel</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>La page n&apos;a pas pu être imprimée.</translation>
    </message>
    <message>
        <source>MDI Browser</source>
        <translation>Navigateur MDI</translation>
    </message>
    <message>
        <source>Enter URL</source>
        <translation>Saisir l&apos;adresse</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Addresses entered</source>
        <translation>Adresses saisies</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Internet options</source>
        <translation>Options Internet</translation>
    </message>
    <message>
        <source>Send e-mail</source>
        <translation>Envoyer un courriel</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Brivola 2.0: a web-browsing shell with a multiple-document frame and a full-screen mode.
Started with an address, it opens that address when full-screen mode starts.
While it runs, a second start hands its addresses to the running program and ends.
Qt&apos;s own options (-platform, -style, ...) are taken by Qt.</source>
        <translation>Brivola 2.0 : un environnement de navigation web avec un cadre à plusieurs fenêtres et un mode plein écran.
Lancé avec une adresse, il ouvre cette adresse au début du mode plein écran.
Pendant qu&apos;il tourne, un second lancement transmet ses adresses au programme en cours et se termine.
Les options propres à Qt (-platform, -style, ...) sont prises par Qt.</translation>
    </message>
    <message>
        <source>The page full-screen mode opens; the arguments are joined by spaces. After &quot;--&quot;, arguments that start with a dash are part of it too.</source>
        <translation>La page qu&apos;ouvre le mode plein écran ; les arguments sont joints par des espaces. Après &quot;--&quot;, les arguments qui commencent par un tiret en font aussi partie.</translation>
    </message>
    <message>
        <source>[address...]</source>
        <translation>[adresse...]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Open each address in a new browser window of the frame instead.</source>
        <translation>Ouvrir plutôt chaque adresse dans une nouvelle fenêtre de navigation du cadre.</translation>
    </message>
</context>
<context>
    <name>DownloadsWindow</name>
    <message>
        <source>Downloads</source>
        <translation>Téléchargements</translation>
    </message>
    <message>
        <source>Downloads of this session</source>
        <translation>Téléchargements de cette session</translation>
    </message>
</context>
<context>
    <name>EnginePage</name>
    <message>
        <source>show notifications</source>
        <translation>afficher des notifications</translation>
    </message>
    <message>
        <source>know your location</source>
        <translation>connaître votre position</translation>
    </message>
    <message>
        <source>use your microphone</source>
        <translation>utiliser votre microphone</translation>
    </message>
    <message>
        <source>use your camera</source>
        <translation>utiliser votre caméra</translation>
    </message>
    <message>
        <source>use your camera and microphone</source>
        <translation>utiliser votre caméra et votre microphone</translation>
    </message>
    <message>
        <source>hide and lock the mouse pointer</source>
        <translation>masquer et bloquer le pointeur de la souris</translation>
    </message>
    <message>
        <source>share your screen</source>
        <translation>partager votre écran</translation>
    </message>
    <message>
        <source>share your screen and its sound</source>
        <translation>partager votre écran et son son</translation>
    </message>
    <message>
        <source>The certificate is not trusted.</source>
        <translation>Le certificat n&apos;est pas digne de confiance.</translation>
    </message>
    <message>
        <source>The certificate has expired, or is not valid yet.</source>
        <translation>Le certificat a expiré ou n&apos;est pas encore valide.</translation>
    </message>
    <message>
        <source>The certificate is for another site.</source>
        <translation>Le certificat est celui d&apos;un autre site.</translation>
    </message>
    <message>
        <source>The certificate has been revoked.</source>
        <translation>Le certificat a été révoqué.</translation>
    </message>
    <message>
        <source>its renderer crashed</source>
        <translation>son processus d&apos;affichage a planté</translation>
    </message>
    <message>
        <source>its renderer was killed</source>
        <translation>son processus d&apos;affichage a été tué</translation>
    </message>
    <message>
        <source>its renderer ended with status %1</source>
        <translation>son processus d&apos;affichage s&apos;est terminé avec le code %1</translation>
    </message>
    <message>
        <source>%1 wants to %2.</source>
        <translation>%1 souhaite %2.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Autoriser</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>Refuser</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Revenir en arrière</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Continuer quand même</translation>
    </message>
    <message>
        <source>The connection to %1 is not secure.

%2</source>
        <translation>La connexion à %1 n&apos;est pas sécurisée.

%2</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>This page stopped</source>
        <translation>Cette page s&apos;est arrêtée</translation>
    </message>
    <message>
        <source>read and change your clipboard</source>
        <translation>lire et modifier votre presse-papiers</translation>
    </message>
    <message>
        <source>see the fonts installed on your computer</source>
        <translation>voir les polices installées sur votre ordinateur</translation>
    </message>
    <message>
        <source>Remember this decision</source>
        <translation>Se souvenir de cette décision</translation>
    </message>
    <message>
        <source>%1 asks for a user name and password.</source>
        <translation>%1 demande un nom d&apos;utilisateur et un mot de passe.</translation>
    </message>
    <message>
        <source>The proxy %1 asks for a user name and password to reach %2.</source>
        <translation>Le proxy %1 demande un nom d&apos;utilisateur et un mot de passe pour accéder à %2.</translation>
    </message>
    <message>
        <source>The site says: &quot;%1&quot;</source>
        <translation>Le site dit : « %1 »</translation>
    </message>
    <message>
        <source>It says: &quot;%1&quot;</source>
        <translation>Il dit : « %1 »</translation>
    </message>
    <message>
        <source>The user name or password was not accepted.</source>
        <translation>Le nom d&apos;utilisateur ou le mot de passe n&apos;a pas été accepté.</translation>
    </message>
</context>
<context>
    <name>EngineSetup</name>
    <message>
        <source>Qt WebEngine %1, Chromium %2 (security fixes of %3)</source>
        <extracomment>%1 and %2 are version numbers, %3 the version whose security fixes the engine has.</extracomment>
        <translation>Qt WebEngine %1, Chromium %2 (correctifs de sécurité de %3)</translation>
    </message>
    <message>
        <source>no display to show windows on; start it from a desktop session, or headless with: %1</source>
        <extracomment>%1 is the command that starts the program headless.</extracomment>
        <translation>aucun écran où afficher les fenêtres ; lancez le programme depuis une session de bureau, ou sans écran avec : %1</translation>
    </message>
    <message>
        <source>running as root, so the web engine runs without its sandbox</source>
        <translation>exécuté en tant que root : le moteur web tourne donc sans son bac à sable</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in page</source>
        <translation>Rechercher dans la page</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
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
        <translation>Aller !</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Mini</source>
        <translation>Mini</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Hide toolbar</source>
        <translation>Masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Addresses entered</source>
        <translation>Adresses saisies</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
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
        <translation>Erreur du navigateur</translation>
    </message>
    <message>
        <source>That page violates parental rules</source>
        <translation>Cette page enfreint les règles parentales</translation>
    </message>
    <message>
        <source>Show toolbar</source>
        <translation>Afficher la barre d&apos;outils</translation>
    </message>
    <message>
        <source>The list of restricted pages could not be read, so every page is refused. A parent can repair it with brivola-restrictions.

%1</source>
        <translation>La liste des pages interdites n&apos;a pas pu être lue : toutes les pages sont donc refusées. Un parent peut la réparer avec brivola-restrictions.

%1</translation>
    </message>
    <message>
        <source>The full-screen guard is damaged, so full-screen mode cannot be left. A parent can repair it with &quot;brivola-restrictions --system passphrase&quot;.

%1</source>
        <translation>La protection du mode plein écran est endommagée : on ne peut donc pas quitter le mode plein écran. Un parent peut la réparer avec « brivola-restrictions --system passphrase ».

%1</translation>
    </message>
    <message>
        <source>The stored hash of the parent passphrase is damaged.</source>
        <translation>Le hachage enregistré de la phrase secrète parentale est endommagé.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>C&amp;lear History</source>
        <translation>&amp;Effacer l&apos;historique</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Search history</source>
        <translation>Rechercher dans l&apos;historique</translation>
    </message>
    <message>
        <source>Visits</source>
        <translation>Visites</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Remove every page from the history?</source>
        <translation>Retirer toutes les pages de l&apos;historique ?</translation>
    </message>
</context>
<context>
    <name>IniDisk</name>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>Could not copy the damaged settings file %1: %2</source>
        <translation>Impossible de copier le fichier de paramètres endommagé %1 : %2</translation>
    </message>
    <message>
        <source>Could not read %1: it is not a file</source>
        <translation>Impossible de lire %1 : ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>Could not read %1: it is too large to be a settings file</source>
        <translation>Impossible de lire %1 : il est trop volumineux pour être un fichier de paramètres</translation>
    </message>
    <message>
        <source>Could not save %1: the file is read-only</source>
        <translation>Impossible d&apos;enregistrer %1 : le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>Could not save %1: another program keeps it locked</source>
        <translation>Impossible d&apos;enregistrer %1 : un autre programme le garde verrouillé</translation>
    </message>
    <message>
        <source>Could not save %1: its lock file cannot be made</source>
        <translation>Impossible d&apos;enregistrer %1 : son fichier de verrou ne peut pas être créé</translation>
    </message>
</context>
<context>
    <name>IniDocument</name>
    <message>
        <source>The settings would grow beyond %1 bytes, the most a file may hold</source>
        <translation>Les paramètres dépasseraient %1 octets, le maximum qu&apos;un fichier peut contenir</translation>
    </message>
    <message>
        <source>line %1 has a quote that is not closed</source>
        <translation>la ligne %1 a un guillemet qui n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>line %1 has a section name without &apos;]&apos;</source>
        <translation>la ligne %1 a un nom de section sans &apos;]&apos;</translation>
    </message>
    <message>
        <source>line %1 has text after its section name</source>
        <translation>la ligne %1 a du texte après son nom de section</translation>
    </message>
    <message>
        <source>The damaged settings file is too large to be repaired</source>
        <translation>Le fichier de paramètres endommagé est trop volumineux pour être réparé</translation>
    </message>
    <message>
        <source>line %1 is not valid UTF-8</source>
        <translation>la ligne %1 n&apos;est pas de l&apos;UTF-8 valide</translation>
    </message>
    <message>
        <source>line %1 is neither a section, a setting nor a comment</source>
        <translation>la ligne %1 n&apos;est ni une section, ni un paramètre, ni un commentaire</translation>
    </message>
    <message>
        <source>line %1 names section [%2], which is also spelled [%3]</source>
        <translation>la ligne %1 nomme la section [%2], qui s&apos;écrit aussi [%3]</translation>
    </message>
</context>
<context>
    <name>InternetOptionsDialog</name>
    <message>
        <source>Internet Options</source>
        <translation>Options Internet</translation>
    </message>
    <message>
        <source>&amp;Home page:</source>
        <translation>Page d&apos;&amp;accueil :</translation>
    </message>
    <message>
        <source>&amp;Search page:</source>
        <translation>Page de &amp;recherche :</translation>
    </message>
    <message>
        <source>Use &amp;Defaults</source>
        <translation>Valeurs par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;Clear Cache, Cookies and History</source>
        <translation>&amp;Effacer le cache, les cookies et l&apos;historique</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address.</source>
        <translation>« %1 » n&apos;est pas une adresse web.</translation>
    </message>
    <message>
        <source>The settings could not be saved. %1</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés. %1</translation>
    </message>
    <message>
        <source>Cache, cookies and history cleared; what sites stored goes as Brivola next starts.</source>
        <translation>Cache, cookies et historique effacés ; ce que les sites ont stocké disparaît au prochain démarrage de Brivola.</translation>
    </message>
    <message>
        <source>Words typed in an address box are searched for here: %s in the address stands for them; without a %s, q=&lt;words&gt; is added.</source>
        <translation>Les mots tapés dans une zone d&apos;adresse sont recherchés ici : %s dans l&apos;adresse les remplace ; sans %s, q=&lt;mots&gt; est ajouté.</translation>
    </message>
    <message>
        <source>Decisions remembered for sites</source>
        <translation>Décisions retenues pour les sites</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Oublier</translation>
    </message>
    <message>
        <source>Decisions remembered for sites:</source>
        <translation>Décisions retenues pour les sites :</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Autoriser</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>Refuser</translation>
    </message>
    <message>
        <source>%1 may %2: %3</source>
        <translation>%1 peut %2 : %3</translation>
    </message>
</context>
<context>
    <name>MachineSettings</name>
    <message>
        <source>%1: [%2] %3 is &quot;%4&quot;, neither %5 nor %6</source>
        <extracomment>%1 is the file, [%2] the section, %3 the key, %4 its value, %5 and %6 the two values it may hold; all as stored.</extracomment>
        <translation>%1 : [%2] %3 vaut « %4 », ni %5 ni %6</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text</source>
        <translation>%1 n&apos;est pas du texte UTF-8</translation>
    </message>
</context>
<context>
    <name>MachineSettingsFiles</name>
    <message>
        <source>Could not read %1: permission denied</source>
        <translation>Impossible de lire %1 : permission refusée</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>New Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>New QuickNote</source>
        <translation>Nouvelle QuickNote</translation>
    </message>
    <message>
        <source>SystemInfo</source>
        <translation>Infos système</translation>
    </message>
    <message>
        <source>Organizer/Favorites</source>
        <translation>Organiseur/Favoris</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Browser</source>
        <translation>&amp;Nouveau navigateur</translation>
    </message>
    <message>
        <source>New &amp;QuickNote</source>
        <translation>Nouvelle &amp;QuickNote</translation>
    </message>
    <message>
        <source>&amp;Downloads</source>
        <translation>&amp;Téléchargements</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Q&amp;uitter</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;System Informaton</source>
        <translation>&amp;Informations système</translation>
    </message>
    <message>
        <source>&amp;Organizer and Favorites</source>
        <translation>&amp;Organiseur et favoris</translation>
    </message>
    <message>
        <source>&amp;Internet Explorer Settings</source>
        <translation>Paramètres &amp;Internet</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>&amp;Cascade Windows</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontal</source>
        <translation>Mosaïque &amp;horizontale</translation>
    </message>
    <message>
        <source>Tile &amp;Vertical</source>
        <translation>Mosaïque &amp;verticale</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>A download is still running. Exit and cancel it?</source>
        <translation>Un téléchargement est en cours. Quitter et l&apos;annuler ?</translation>
    </message>
    <message>
        <source>%1 downloads are still running. Exit and cancel them?</source>
        <translation>%1 téléchargements sont en cours. Quitter et les annuler ?</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historique</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>1. Letter From the Author and Programmer</source>
        <translation>1. Lettre de l&apos;auteur et programmeur</translation>
    </message>
    <message>
        <source>1. Letter From the Author And Programmer</source>
        <translation>1. Lettre de l&apos;auteur et programmeur</translation>
    </message>
    <message>
        <source>Thank you for trying Brivola 2.0. The main new feature of this version is the multiple-document
browsing interface: keep as many browser windows open as you like, all inside one main window.
Version 2.0 also brings the System Information readout, which tells you about your computer,
and a scheduler in the organizer that keeps your appointments by date. I hope you enjoy using it.</source>
        <translation>Merci d&apos;essayer Brivola 2.0. La principale nouveauté de cette version est l&apos;interface de navigation
à plusieurs documents : gardez autant de fenêtres de navigateur ouvertes que vous le souhaitez, toutes dans une seule fenêtre principale.
La version 2.0 apporte aussi les informations système, qui vous renseignent sur votre ordinateur,
et un agenda dans l&apos;organiseur qui garde vos rendez-vous par date. J&apos;espère que vous aurez plaisir à l&apos;utiliser.</translation>
    </message>
    <message>
        <source>2. Using the MDI Interface</source>
        <translation>2. Utiliser l&apos;interface MDI</translation>
    </message>
    <message>
        <source>When Brivola starts, a browser window opens inside the main window. The browser controls sit at the
top of each browser window: type an address and press Enter, or use the buttons to go back, go
forward, stop, reload, go home or search. For more browser windows, click the &quot;New Browser&quot; button
or choose &quot;New Browser&quot; from the &quot;File&quot; menu. Every browser window stays inside the main window.</source>
        <translation>Au démarrage de Brivola, une fenêtre de navigateur s&apos;ouvre dans la fenêtre principale. Les commandes du navigateur se trouvent
en haut de chaque fenêtre de navigateur : saisissez une adresse et appuyez sur Entrée, ou utilisez les boutons pour reculer,
avancer, arrêter, actualiser, aller à l&apos;accueil ou rechercher. Pour d&apos;autres fenêtres de navigateur, cliquez sur le bouton « Navigateur »
ou choisissez « Nouveau navigateur » dans le menu « Fichier ». Chaque fenêtre de navigateur reste dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>3. Using the Full Screen Interface</source>
        <translation>3. Utiliser l&apos;interface plein écran</translation>
    </message>
    <message>
        <source>To browse with the whole screen, click the &quot;Full Screen&quot; button. In full-screen mode, click at the
very top of the screen to bring up the floating browser bar, which steers the page. Click &quot;Exit&quot;
on the bar to leave full-screen mode and return to the main window.</source>
        <translation>Pour naviguer sur tout l&apos;écran, cliquez sur le bouton « Plein écran ». En mode plein écran, cliquez tout en haut
de l&apos;écran pour faire apparaître la barre de navigation flottante, qui pilote la page. Cliquez sur « Quitter »
dans la barre pour quitter le mode plein écran et revenir à la fenêtre principale.</translation>
    </message>
    <message>
        <source>4. Organizer/Favorites</source>
        <translation>4. Organiseur/Favoris</translation>
    </message>
    <message>
        <source>The organizer keeps a calendar for your appointments, a list of your Internet favorites and a list
of phone numbers. Pick a date to write down what is planned for that day; double-click a favorite
to open it in a new browser window.</source>
        <translation>L&apos;organiseur tient un calendrier de vos rendez-vous, une liste de vos favoris Internet et une liste
de numéros de téléphone. Choisissez une date pour noter ce qui est prévu ce jour-là ; double-cliquez sur un favori
pour l&apos;ouvrir dans une nouvelle fenêtre de navigateur.</translation>
    </message>
    <message>
        <source>5. System Info</source>
        <translation>5. Infos système</translation>
    </message>
    <message>
        <source>The System Info readout shows your computer&apos;s processor, memory and power status, and how long it
has been running. Click &quot;Update&quot; to read it again and &quot;Print&quot; to print it.</source>
        <translation>Les informations système indiquent le processeur, la mémoire et l&apos;alimentation de votre ordinateur, et depuis combien de temps
il fonctionne. Cliquez sur « Actualiser » pour les relire et sur « Imprimer » pour les imprimer.</translation>
    </message>
    <message>
        <source>Brivola 2.0 Manual</source>
        <translation>Manuel de Brivola 2.0</translation>
    </message>
    <message>
        <source>MDI Browsing System</source>
        <translation>Système de navigation MDI</translation>
    </message>
</context>
<context>
    <name>NamedListPage</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Both text boxes must be filled!</source>
        <translation>Les deux zones de texte doivent être remplies !</translation>
    </message>
</context>
<context>
    <name>OrganizerWindow</name>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thur</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dim</translation>
    </message>
    <message>
        <source>Remove Number</source>
        <translation>Supprimer le numéro</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Add Number</source>
        <translation>Ajouter le numéro</translation>
    </message>
    <message>
        <source>Remove URL</source>
        <translation>Supprimer l&apos;adresse</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Add URL</source>
        <translation>Ajouter l&apos;adresse</translation>
    </message>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>Calender</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Internet Favorites</source>
        <translation>Favoris Internet</translation>
    </message>
    <message>
        <source>Phone Numbers</source>
        <translation>Numéros de téléphone</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>Print Agenda</source>
        <translation>Imprimer l&apos;agenda</translation>
    </message>
    <message>
        <source>Agenda</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Clear Appointments</source>
        <translation>Effacer les rendez-vous</translation>
    </message>
    <message>
        <source>Are you sure</source>
        <translation>Êtes-vous sûr</translation>
    </message>
    <message>
        <source>Clear the Schedule</source>
        <translation>Effacer l&apos;agenda</translation>
    </message>
    <message>
        <source>Agenda For: </source>
        <translation>Agenda du : </translation>
    </message>
    <message>
        <source>The organizer&apos;s entries could not be saved. %1

The organizer stays open with everything in it: try &quot;Done&quot; again, or copy your entries elsewhere.</source>
        <translation>Les entrées de l&apos;organiseur n&apos;ont pas pu être enregistrées. %1

L&apos;organiseur reste ouvert avec tout son contenu : réessayez « Terminé », ou copiez vos entrées ailleurs.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Années</translation>
    </message>
    <message>
        <source>Phone numbers</source>
        <translation>Numéros de téléphone</translation>
    </message>
    <message>
        <source>Internet favorites</source>
        <translation>Favoris Internet</translation>
    </message>
    <message>
        <source>No day</source>
        <translation>Aucun jour</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>the organizer&apos;s entries could not be saved: %1</source>
        <translation>les entrées de l&apos;organiseur n&apos;ont pas pu être enregistrées : %1</translation>
    </message>
</context>
<context>
    <name>Passphrase</name>
    <message>
        <source>libsodium could not be initialised</source>
        <translation>libsodium n&apos;a pas pu être initialisée</translation>
    </message>
    <message>
        <source>out of memory while hashing the passphrase</source>
        <translation>mémoire insuffisante pendant le hachage de la phrase secrète</translation>
    </message>
</context>
<context>
    <name>PassphraseDialog</name>
    <message>
        <source>Leave full-screen mode</source>
        <translation>Quitter le mode plein écran</translation>
    </message>
    <message>
        <source>Parent passphrase</source>
        <translation>Phrase secrète parentale</translation>
    </message>
    <message>
        <source>A parent&apos;s passphrase is needed to leave full-screen mode.</source>
        <translation>La phrase secrète d&apos;un parent est nécessaire pour quitter le mode plein écran.</translation>
    </message>
    <message>
        <source> Wait %1 seconds before the next try.</source>
        <translation> Attendez %1 secondes avant le prochain essai.</translation>
    </message>
    <message>
        <source>Wrong passphrase.</source>
        <translation>Phrase secrète incorrecte.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Done, %1</source>
        <translation>Terminé, %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échec : %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>No program here shows folders; the file is in %1</source>
        <translation>Aucun programme ici n&apos;affiche les dossiers ; le fichier est dans %1</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d&apos;&amp;utilisateur :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>The printer did not take the document</source>
        <translation>L&apos;imprimante n&apos;a pas accepté le document</translation>
    </message>
    <message>
        <source>There is no default printer</source>
        <translation>Il n&apos;y a pas d&apos;imprimante par défaut</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>%1 is damaged: %2</source>
        <extracomment>%1 is the file, %2 the first damage found, such as &quot;line 3 is not valid UTF-8&quot;.</extracomment>
        <translation>%1 est endommagé : %2</translation>
    </message>
    <message>
        <source>There is no section &quot;%1&quot; in %2</source>
        <translation>Il n&apos;y a pas de section « %1 » dans %2</translation>
    </message>
    <message>
        <source>The settings file %1 was damaged (%2). A copy of it as it was is kept as %3.</source>
        <extracomment>%2 is the first damage found, such as &quot;line 3 is not valid UTF-8&quot;; %3 the copy.</extracomment>
        <translation>Le fichier de paramètres %1 était endommagé (%2). Une copie de ce fichier tel qu&apos;il était est conservée sous %3.</translation>
    </message>
</context>
<context>
    <name>QuickNoteWindow</name>
    <message>
        <source>Save QuickNote</source>
        <translation>Enregistrer la QuickNote</translation>
    </message>
    <message>
        <source>The QuickNote could not be saved to &quot;%1&quot;: %2</source>
        <translation>La QuickNote n&apos;a pas pu être enregistrée dans « %1 » : %2</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt</source>
        <translation>Fichiers texte (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
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
        <translation>Usage : %1 [--system] COMMANDE
        %1 --system passphrase [--remove]
        %1 --system start-full-screen on|off
Tient la liste de restrictions parentales du mode plein écran de Brivola : une
page dont le titre contient l&apos;un de ses mots ou l&apos;une de ses expressions, sans
tenir compte de la casse, y est refusée.

Commandes :
  list         afficher la liste telle que la lit la fenêtre plein écran, une
               entrée par ligne (une entrée vide, qui refuse toute page, comme
               une ligne vide)
  add MOT      ajouter un mot ou une expression (mettre une expression entre
               guillemets : add &quot;gros mot&quot;)
  remove MOT   retirer toute entrée égale à MOT, sans tenir compte de la casse
  clear        vider la liste

Réglages de la machine (avec --system seulement) :
  passphrase   définir la phrase secrète parentale, que demande la sortie du
               mode plein écran (demandée deux fois sur un terminal, sinon deux
               lignes de l&apos;entrée) ; seul un hachage Argon2id salé en est
               conservé
  passphrase --remove
               la retirer : le mode plein écran se quitte alors sans elle
  start-full-screen on|off
               si le programme s&apos;ouvre directement en mode plein écran
  --help       afficher cette aide
  --version    afficher la version

Deux listes sont tenues, et la fenêtre plein écran refuse ce que l&apos;une ou
l&apos;autre contient ; elle les lit à chaque ouverture. La liste propre de
l&apos;utilisateur se trouve dans
  %2
que l&apos;utilisateur, même un enfant, peut modifier ou supprimer. Avec --system, la
commande agit sur la liste de la machine, que seul un administrateur peut
modifier (lancez-la en tant que root, par exemple avec sudo), et qui est hors de
portée d&apos;un enfant :
  %3
avec les réglages de la machine dans la section [Full Screen]. Chaque fichier
&quot;*.list&quot; de son dossier restrictions.d (une entrée par ligne, UTF-8) s&apos;ajoute à
la liste de la machine.
Les deux utilisent la section [Restrictions] : &quot;Number&quot;, puis &quot;0&quot;, &quot;1&quot;, ...
L&apos;enregistrement réécrit ces clés ; les autres clés de la section sont
conservées.

Code de sortie : 0 fait, 1 échec (mot absent de la liste, liste non enregistrée
ou illisible, phrases secrètes différentes), 2 mauvaise utilisation.
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Essayez &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>could not save: %1</source>
        <translation>échec de l&apos;enregistrement : %1</translation>
    </message>
    <message>
        <source>Only an administrator can change the machine&apos;s settings: run it as root.</source>
        <translation>Seul un administrateur peut modifier les réglages de la machine : lancez-le en tant que root.</translation>
    </message>
    <message>
        <source>the machine&apos;s list could not be read: %1
Full-screen mode refuses every page until it can.</source>
        <translation>la liste de la machine n&apos;a pas pu être lue : %1
Le mode plein écran refuse toute page tant qu&apos;elle ne peut pas l&apos;être.</translation>
    </message>
    <message>
        <source>New parent passphrase: </source>
        <translation>Nouvelle phrase secrète parentale : </translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation>La même encore une fois : </translation>
    </message>
    <message>
        <source>no passphrase given; nothing changed</source>
        <translation>aucune phrase secrète donnée ; rien de changé</translation>
    </message>
    <message>
        <source>the two passphrases differ; nothing changed</source>
        <translation>les deux phrases secrètes diffèrent ; rien de changé</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the list</source>
        <translation>&quot;%1&quot; est déjà dans la liste</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list</source>
        <translation>&quot;%1&quot; n&apos;est pas dans la liste</translation>
    </message>
    <message>
        <source>&apos;passphrase&apos; takes nothing or --remove</source>
        <translation>&apos;passphrase&apos; ne prend rien ou --remove</translation>
    </message>
    <message>
        <source>&apos;start-full-screen&apos; takes on or off</source>
        <translation>&apos;start-full-screen&apos; prend on ou off</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande donnée</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a machine setting: use --system %1</source>
        <translation>&apos;%1&apos; est un réglage de la machine : utilisez --system %1</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one word; put a phrase in quotes</source>
        <translation>&apos;%1&apos; prend un mot ; mettez une expression entre guillemets</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no word</source>
        <translation>&apos;%1&apos; ne prend aucun mot</translation>
    </message>
    <message>
        <source>an empty word would refuse every page; give a word or phrase</source>
        <translation>un mot vide refuserait toute page ; donnez un mot ou une expression</translation>
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
        <translation>Pour Windows 95</translation>
    </message>
</context>
<context>
    <name>SqliteBrowsingMemory</name>
    <message>
        <source>its folder cannot be made</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>Brivola cannot keep its history, zoom and site permissions in %1 (%2). Until it ends, it remembers them in memory only.</source>
        <translation>Brivola ne peut pas conserver son historique, son zoom et les autorisations des sites dans %1 (%2). Jusqu&apos;à sa fin, il ne les garde qu&apos;en mémoire.</translation>
    </message>
    <message>
        <source>its layout %1 is not one this version of Brivola knows</source>
        <translation>sa structure %1 est inconnue de cette version de Brivola</translation>
    </message>
    <message>
        <source>The database of Brivola&apos;s history, zoom and site permissions was damaged. It was moved aside as %1, and a new one was started.</source>
        <translation>La base de l&apos;historique, du zoom et des autorisations des sites de Brivola était endommagée. Elle a été mise de côté sous %1, et une nouvelle a été créée.</translation>
    </message>
    <message>
        <source>Brivola could not record its history, zoom or site permissions (%1). What it could not record is lost; browsing goes on.</source>
        <translation>Brivola n&apos;a pas pu enregistrer son historique, son zoom ou les autorisations des sites (%1). Ce qui n&apos;a pu être enregistré est perdu ; la navigation continue.</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation, as a page&apos;s lang attribute takes it.</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>Brivola Start Page</source>
        <translation>Page d&apos;accueil de Brivola</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Naviguer</translation>
    </message>
    <message>
        <source>Type an address into the box above and press %1. &quot;New Browser&quot; opens another window; the Window menu cascades or tiles them.</source>
        <extracomment>%1 is the Enter key. The quoted names are the frame&apos;s button and menu.</extracomment>
        <translation>Saisissez une adresse dans la zone ci-dessus et appuyez sur %1. « Navigateur » ouvre une autre fenêtre ; le menu Fenêtre les dispose en cascade ou en mosaïque.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>&quot;Full Screen&quot; gives the whole screen to one page. Click the top edge of the screen, or press %1, to bring up the floating toolbar.</source>
        <extracomment>%1 is the keys Alt+Q. &quot;Full Screen&quot; is the frame&apos;s button.</extracomment>
        <translation>« Plein écran » donne tout l&apos;écran à une seule page. Cliquez sur le bord supérieur de l&apos;écran, ou appuyez sur %1, pour faire apparaître la barre d&apos;outils flottante.</translation>
    </message>
    <message>
        <source>Organize</source>
        <translation>Organiser</translation>
    </message>
    <message>
        <source>The organizer keeps your appointments, phone numbers and favourite pages. Press %1 for the manual.</source>
        <extracomment>%1 is the F1 key.</extracomment>
        <translation>L&apos;organiseur garde vos rendez-vous, vos numéros de téléphone et vos pages favorites. Appuyez sur %1 pour le manuel.</translation>
    </message>
</context>
<context>
    <name>StoredCount</name>
    <message>
        <source>The organizer&apos;s saved data is damaged: the count &quot;%1&quot; in section &quot;%2&quot; holds &quot;%3&quot;, which is not a number, or more than %4 entries.

The organizer was not opened, so nothing in its data has been changed. Please repair or remove this file:
%5</source>
        <extracomment>%1 and %2 are the count&apos;s key and section as stored, %3 its value, %4 the most entries, %5 the file.</extracomment>
        <translation>Les données enregistrées de l&apos;organiseur sont endommagées : le compteur « %1 » de la section « %2 » contient « %3 », qui n&apos;est pas un nombre ou dépasse %4 entrées.

L&apos;organiseur n&apos;a pas été ouvert, donc rien n&apos;a été modifié dans ses données. Veuillez réparer ou supprimer ce fichier :
%5</translation>
    </message>
</context>
<context>
    <name>SystemInfoWindow</name>
    <message>
        <source>Update</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Informations système</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Informations système</translation>
    </message>
</context>
<context>
    <name>SystemReport</name>
    <message>
        <source>Status Unknown</source>
        <translation>État inconnu</translation>
    </message>
    <message>
        <source>Windows has been running for: %1 Hours %2 Minutes</source>
        <translation>Windows fonctionne depuis : %1 heures %2 minutes</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Non branché</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Branché</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Élevé</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Critique</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>En charge</translation>
    </message>
    <message>
        <source>No system battery</source>
        <translation>Pas de batterie système</translation>
    </message>
    <message>
        <source>System Information as of: %1, %2</source>
        <translation>Informations système au : %1, %2</translation>
    </message>
    <message>
        <source>&lt;-- Processor Information --&gt;</source>
        <translation>&lt;-- Informations sur le processeur --&gt;</translation>
    </message>
    <message>
        <source>Processor Type: %1</source>
        <translation>Type de processeur : %1</translation>
    </message>
    <message>
        <source># Of Processors: %1</source>
        <translation>Nombre de processeurs : %1</translation>
    </message>
    <message>
        <source>Minimum Application Address: %1</source>
        <translation>Adresse d&apos;application minimale : %1</translation>
    </message>
    <message>
        <source>Maximum Application Address: %1</source>
        <translation>Adresse d&apos;application maximale : %1</translation>
    </message>
    <message>
        <source>&lt;-- Memory Information --&gt;</source>
        <translation>&lt;-- Informations sur la mémoire --&gt;</translation>
    </message>
    <message>
        <source>Memory Use: %1%</source>
        <translation>Mémoire utilisée : %1 %</translation>
    </message>
    <message>
        <source>Total Physical Memory: %1 Kilobytes</source>
        <translation>Mémoire physique totale : %1 kilo-octets</translation>
    </message>
    <message>
        <source>Available Physical Memory: %1 Kilobytes</source>
        <translation>Mémoire physique disponible : %1 kilo-octets</translation>
    </message>
    <message>
        <source>Total Virtual Memory: %1 Kilobytes</source>
        <translation>Mémoire virtuelle totale : %1 kilo-octets</translation>
    </message>
    <message>
        <source>Available Virtual Memory: %1 Kilobytes</source>
        <translation>Mémoire virtuelle disponible : %1 kilo-octets</translation>
    </message>
    <message>
        <source>&lt;-- Power Information --&gt;</source>
        <translation>&lt;-- Informations sur l&apos;alimentation --&gt;</translation>
    </message>
    <message>
        <source>AC Power Status: %1</source>
        <translation>Alimentation secteur : %1</translation>
    </message>
    <message>
        <source>Battery Status: %1</source>
        <translation>État de la batterie : %1</translation>
    </message>
    <message>
        <source>Percent Of Battery Charge: %1%</source>
        <translation>Charge de la batterie en pourcentage : %1 %</translation>
    </message>
    <message>
        <source>Time Left (min): %1</source>
        <translation>Temps restant (min) : %1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>the file was not written whole</source>
        <translation>le fichier n&apos;a pas été écrit en entier</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Cannot connect to this site or directory</source>
        <translation>Impossible de se connecter à ce site ou à ce répertoire</translation>
    </message>
    <message>
        <source>Printer Error</source>
        <translation>Erreur d&apos;imprimante</translation>
    </message>
    <message>
        <source>Blocked a window this page tried to open on its own</source>
        <translation>Une fenêtre que cette page a tenté d&apos;ouvrir d&apos;elle-même a été bloquée</translation>
    </message>
</context>
<context>
    <name>TimeOnline</name>
    <message>
        <source>Time Online: %1 Hours %2 Minutes %3 Seconds </source>
        <translation>En ligne : %1 heures %2 minutes %3 secondes </translation>
    </message>
</context>
<context>
    <name>WebEngineBrowser</name>
    <message>
        <source>Save link as...</source>
        <translation>Enregistrer le lien sous...</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>Imprimer %1</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Ouvrir le lien</translation>
    </message>
    <message>
        <source>There is no earlier page</source>
        <translation>Il n&apos;y a pas de page précédente</translation>
    </message>
    <message>
        <source>There is no later page</source>
        <translation>Il n&apos;y a pas de page suivante</translation>
    </message>
    <message>
        <source>Page loading</source>
        <translation>Chargement de la page</translation>
    </message>
</context>
<context>
    <name>WebEngineProfile</name>
    <message>
        <source>Full-screen mode does not download files.</source>
        <translation>Le mode plein écran ne télécharge pas de fichiers.</translation>
    </message>
</context>
</TS>
