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
        <source>Page loading</source>
        <translation>Chargement de la page</translation>
    </message>
</context>
</TS>
