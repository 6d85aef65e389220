<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BookmarksWindow</name>
    <message>
        <source>Subject</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>Bookmarks and history</source>
        <translation>Signets et historique</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Signets</translation>
    </message>
    <message>
        <source>Bookmarked documents, the latest first; Enter or a double-click reads one, Delete removes its bookmark</source>
        <translation>Documents marqués d’un signet, le plus récent en premier ; Entrée ou un double-clic en lit un, Suppr retire son signet</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Ajouté</translation>
    </message>
    <message>
        <source>Recently read</source>
        <translation>Lus récemment</translation>
    </message>
    <message>
        <source>Documents read lately, the latest first; Enter or a double-click reads one again, Delete removes it from the history</source>
        <translation>Documents lus récemment, le plus récent en premier ; Entrée ou un double-clic en relit un, Suppr le retire de l’historique</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lu</translation>
    </message>
    <message>
        <source>Why the lists are empty, when they cannot be read</source>
        <translation>Pourquoi les listes sont vides, quand elles ne peuvent pas être lues</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Reads the chosen document, as Read does</source>
        <translation>Lit le document choisi, comme Lire</translation>
    </message>
    <message>
        <source>Removes the chosen document from its list</source>
        <translation>Retire le document choisi de sa liste</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Ferme cette fenêtre</translation>
    </message>
    <message>
        <source>&amp;Bookmarks:</source>
        <translation>Si&amp;gnets :</translation>
    </message>
    <message>
        <source>Recently &amp;read:</source>
        <translation>&amp;Lus récemment :</translation>
    </message>
    <message>
        <source>The bookmarks and history cannot be shown: %1</source>
        <translation>Impossible d’afficher les signets et l’historique : %1</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in document</source>
        <translation>Rechercher dans le document</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Text to find in the document; Enter finds the next match, Shift+Enter the previous one, Escape closes the bar</source>
        <translation>Texte à rechercher dans le document ; Entrée trouve l’occurrence suivante, Maj+Entrée la précédente, Échap ferme la barre</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>Goes to the previous match</source>
        <translation>Va à l’occurrence précédente</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Goes to the next match</source>
        <translation>Va à l’occurrence suivante</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Occurrences</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Closes the find bar</source>
        <translation>Ferme la barre de recherche</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucune occurrence</translation>
    </message>
    <message>
        <source>%1 matches</source>
        <translation>%1 occurrences</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n occurrence</numerusform>
            <numerusform>%n occurrences</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Error while connecting to server using HTTP protocol: %1<byte value="xd"/>
Please check your proxy settings...</source>
        <translation>Erreur lors de la connexion au serveur avec le protocole HTTP : %1<byte value="xd"/>
Veuillez vérifier vos paramètres de proxy...</translation>
    </message>
    <message>
        <source>%1 - Error</source>
        <translation>%1 – Erreur</translation>
    </message>
    <message>
        <source>Veldra v%1.%2 - written by the Veldra contributors</source>
        <translation>Veldra v%1.%2 – écrit par les contributeurs de Veldra</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Connecting to the server...</source>
        <translation>Connexion au serveur...</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Veldra contributors. Free software under the MIT licence.</source>
        <translation>Copyright (C) 2026 les contributeurs de Veldra. Logiciel libre sous licence MIT.</translation>
    </message>
    <message>
        <source>Comments are welcome by e-mail to the authors: veldra@example.org</source>
        <translation>Vos remarques sont les bienvenues par courriel aux auteurs : veldra@example.org</translation>
    </message>
    <message>
        <source>Read the Community News for what is new, or visit %1</source>
        <translation>Lisez les Actualités pour découvrir les nouveautés, ou rendez-vous sur %1</translation>
    </message>
    <message>
        <source>Thanks to all the Veldra contributors for their help.</source>
        <translation>Merci à tous les contributeurs de Veldra pour leur aide.</translation>
    </message>
    <message>
        <source>No text to search for!</source>
        <translation>Aucun texte à rechercher !</translation>
    </message>
    <message>
        <source> - the download of %1 was cancelled</source>
        <translation> – le téléchargement de %1 a été annulé</translation>
    </message>
    <message>
        <source> - the search was cancelled</source>
        <translation> – la recherche a été annulée</translation>
    </message>
    <message>
        <source>Could not load %1</source>
        <translation>Impossible de charger %1</translation>
    </message>
    <message>
        <source>Error while connecting to server using HTTP protocol: </source>
        <translation>Erreur lors de la connexion au serveur avec le protocole HTTP : </translation>
    </message>
    <message>
        <source>Error while connecting to server using FTP protocol: </source>
        <translation>Erreur lors de la connexion au serveur avec le protocole FTP : </translation>
    </message>
    <message>
        <source>Search on server for:</source>
        <translation>Rechercher sur le serveur :</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Sujet :</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Auteur :</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site web :</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>&amp;Extra functions</source>
        <translation>&amp;Autres fonctions</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Moving the selection switches between the news, the search and the reader; Enter or Space on Proxy settings or About opens it</source>
        <translation>Déplacer la sélection passe des actualités à la recherche et au lecteur ; Entrée ou Espace sur Serveur proxy ou À propos... l’ouvre</translation>
    </message>
    <message>
        <source>Icon of the selected item</source>
        <translation>Icône de l’élément sélectionné</translation>
    </message>
    <message>
        <source>The selected item</source>
        <translation>L’élément sélectionné</translation>
    </message>
    <message>
        <source>What the selected item is for</source>
        <translation>À quoi sert l’élément sélectionné</translation>
    </message>
    <message>
        <source>Community news</source>
        <translation>Actualités</translation>
    </message>
    <message>
        <source>Today&apos;s news from the server; links open in the browser or mail program</source>
        <translation>Les actualités du jour sur le serveur ; les liens s’ouvrent dans le navigateur ou le logiciel de messagerie</translation>
    </message>
    <message>
        <source>Search on server for</source>
        <translation>Rechercher sur le serveur</translation>
    </message>
    <message>
        <source>Subject to look for in the library&apos;s index; Enter searches</source>
        <translation>Sujet à chercher dans l’index de la bibliothèque ; Entrée lance la recherche</translation>
    </message>
    <message>
        <source>Searches the library&apos;s index for the subject</source>
        <translation>Cherche le sujet dans l’index de la bibliothèque</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Résultats de la recherche</translation>
    </message>
    <message>
        <source>Documents whose entry matches; Enter or a double-click reads the selected one</source>
        <translation>Documents dont l’entrée correspond ; Entrée ou un double-clic lit celui qui est sélectionné</translation>
    </message>
    <message>
        <source>Number of matches found</source>
        <translation>Nombre de résultats trouvés</translation>
    </message>
    <message>
        <source>Downloads the selected document and shows it in the reader</source>
        <translation>Télécharge le document sélectionné et l’affiche dans le lecteur</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>Subject of the document in the reader</source>
        <translation>Sujet du document dans le lecteur</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Author of the document in the reader</source>
        <translation>Auteur du document dans le lecteur</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Website of the document&apos;s author; a click opens it in the browser</source>
        <translation>Site web de l’auteur du document ; un clic l’ouvre dans le navigateur</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Version of the document in the reader</source>
        <translation>Version du document dans le lecteur</translation>
    </message>
    <message>
        <source>Further functions for the document in the reader</source>
        <translation>Autres fonctions pour le document dans le lecteur</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Text of the document in the reader; links open in the browser or mail program</source>
        <translation>Texte du document dans le lecteur ; les liens s’ouvrent dans le navigateur ou le logiciel de messagerie</translation>
    </message>
    <message>
        <source>News panel</source>
        <translation>Panneau des actualités</translation>
    </message>
    <message>
        <source>Search panel</source>
        <translation>Panneau de recherche</translation>
    </message>
    <message>
        <source>Reader panel</source>
        <translation>Panneau du lecteur</translation>
    </message>
    <message>
        <source>Navigation column</source>
        <translation>Colonne de navigation</translation>
    </message>
    <message>
        <source>Selected item</source>
        <translation>Élément sélectionné</translation>
    </message>
    <message>
        <source>Veldra</source>
        <translation>Veldra</translation>
    </message>
    <message>
        <source>Community News</source>
        <translation>Actualités</translation>
    </message>
    <message>
        <source>Search Solution</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>FAQ-Reader</source>
        <translation>Lecteur de FAQ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>Serveur proxy</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Explore the world of Veldra!</source>
        <translation>Découvrez l’univers de Veldra !</translation>
    </message>
    <message>
        <source>Read todays community news</source>
        <translation>Lire les actualités du jour</translation>
    </message>
    <message>
        <source>Search for solutions on server</source>
        <translation>Chercher des solutions sur le serveur</translation>
    </message>
    <message>
        <source>Configure Veldra</source>
        <translation>Configurer Veldra</translation>
    </message>
    <message>
        <source>Configure Veldra for use with a proxy server</source>
        <translation>Configurer Veldra pour un serveur proxy</translation>
    </message>
    <message>
        <source>Read your downloaded FAQ here</source>
        <translation>Lisez ici la FAQ téléchargée</translation>
    </message>
    <message>
        <source>About Veldra and the author</source>
        <translation>À propos de Veldra et de l’auteur</translation>
    </message>
    <message>
        <source>Various options</source>
        <translation>Options diverses</translation>
    </message>
    <message>
        <source>No file downloaded</source>
        <translation>Aucun fichier téléchargé</translation>
    </message>
    <message>
        <source>Found at character</source>
        <translation>Trouvé au caractère</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Please wait, searching...</source>
        <translation>Veuillez patienter, recherche en cours...</translation>
    </message>
    <message>
        <source>Search in document text</source>
        <translation>Chercher dans le texte</translation>
    </message>
    <message>
        <source>Search the words of the downloaded documents, not only the subjects; Ctrl+Shift+T</source>
        <translation>Cherche dans les mots des documents téléchargés, pas seulement dans les sujets ; Ctrl+Maj+T</translation>
    </message>
    <message>
        <source>Make the library available offline</source>
        <translation>Rendre disponible hors ligne</translation>
    </message>
    <message>
        <source>Downloads every document of the index that is not stored yet or has changed on the server; Ctrl+Shift+O</source>
        <translation>Télécharge chaque document de l’index qui n’est pas encore enregistré ou qui a changé sur le serveur ; Ctrl+Maj+O</translation>
    </message>
    <message>
        <source>Ctrl+Shift+T</source>
        <translation>Ctrl+Maj+T</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Maj+O</translation>
    </message>
    <message>
        <source>Offline copy</source>
        <translation>Copie hors ligne</translation>
    </message>
    <message>
        <source>Search in document text rebuilt from the stored documents: %1</source>
        <translation>Recherche dans le texte reconstruite à partir des documents enregistrés : %1</translation>
    </message>
    <message>
        <source>Offline copy of %1</source>
        <translation>Copie hors ligne du %1</translation>
    </message>
    <message>
        <source>Documents new on the server: %1</source>
        <translation>Nouveaux documents sur le serveur : %1</translation>
    </message>
    <message>
        <source>Documents changed on the server: %1</source>
        <translation>Documents modifiés sur le serveur : %1</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 documents; the next time goes on from there.</source>
        <translation>Annulé après %1 documents sur %2 ; la prochaine fois reprendra à partir de là.</translation>
    </message>
    <message>
        <source>Documents that could not be downloaded: %1</source>
        <translation>Documents qui n’ont pas pu être téléchargés : %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Functions</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>Export to</source>
        <translation>Exporter en</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Texte</translation>
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
        <translation>Modifier les paramètres du proxy</translation>
    </message>
    <message>
        <source>Please fill in the proxy servers to use for each protocol.</source>
        <translation>Indiquez le serveur proxy à utiliser pour chaque protocole.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocole</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Name or address of the proxy server for web downloads; empty for none</source>
        <translation>Nom ou adresse du serveur proxy pour les téléchargements web ; vide pour aucun</translation>
    </message>
    <message>
        <source>Port of the HTTP proxy server; 0 for no proxy</source>
        <translation>Port du serveur proxy HTTP ; 0 pour aucun proxy</translation>
    </message>
    <message>
        <source>Name or address of the proxy server for FTP; empty for none</source>
        <translation>Nom ou adresse du serveur proxy pour FTP ; vide pour aucun</translation>
    </message>
    <message>
        <source>Port of the FTP proxy server; 0 for no proxy</source>
        <translation>Port du serveur proxy FTP ; 0 pour aucun proxy</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>Serveur proxy</translation>
    </message>
    <message>
        <source>HTTP proxy server</source>
        <translation>Serveur proxy HTTP</translation>
    </message>
    <message>
        <source>HTTP proxy port</source>
        <translation>Port du proxy HTTP</translation>
    </message>
    <message>
        <source>FTP proxy server</source>
        <translation>Serveur proxy FTP</translation>
    </message>
    <message>
        <source>FTP proxy port</source>
        <translation>Port du proxy FTP</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
</context>
<context>
    <name>FullTextList</name>
    <message>
        <source>Subject</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>Found in the text</source>
        <translation>Trouvé dans le texte</translation>
    </message>
    <message>
        <source> (updated since you read it)</source>
        <translation> (mis à jour depuis votre lecture)</translation>
    </message>
</context>
<context>
    <name>ReaderTools</name>
    <message>
        <source>There is no document to bookmark.</source>
        <translation>Il n’y a aucun document à marquer d’un signet.</translation>
    </message>
    <message>
        <source>The bookmark could not be changed: %1</source>
        <translation>Le signet n’a pas pu être modifié : %1</translation>
    </message>
    <message>
        <source>Bookmarked: %1</source>
        <translation>Signet ajouté : %1</translation>
    </message>
    <message>
        <source>Bookmark removed: %1</source>
        <translation>Signet retiré : %1</translation>
    </message>
    <message>
        <source>Community News</source>
        <translation>Actualités</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Sujet :</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Auteur :</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site web :</translation>
    </message>
    <message>
        <source>There is no document to print.</source>
        <translation>Il n’y a aucun document à imprimer.</translation>
    </message>
    <message>
        <source>Print Document</source>
        <translation>Imprimer le document</translation>
    </message>
    <message>
        <source>There is no document to save.</source>
        <translation>Il n’y a aucun document à enregistrer.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Web page (*.html *.htm)</source>
        <translation>Page web (*.html *.htm)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texte brut (*.txt)</translation>
    </message>
    <message>
        <source>Save Document As</source>
        <translation>Enregistrer le document sous</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Enregistré sous %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossible d’enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>What the last action in the reader did</source>
        <translation>Ce qu’a fait la dernière action dans le lecteur</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Boo&amp;kmark This Document</source>
        <translation>Marquer d’un si&amp;gnet</translation>
    </message>
    <message>
        <source>Bookmarks and &amp;History...</source>
        <translation>Signets et &amp;historique...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer s&amp;ous...</translation>
    </message>
    <message>
        <source>No document has been read yet.</source>
        <translation>Aucun document n’a encore été lu.</translation>
    </message>
    <message>
        <source>This is the first document read since the start.</source>
        <translation>C’est le premier document lu depuis le démarrage.</translation>
    </message>
    <message>
        <source>This is the last document read.</source>
        <translation>C’est le dernier document lu.</translation>
    </message>
    <message>
        <source>The copy of %1 on disk is gone; read it again from the search.</source>
        <translation>La copie de %1 sur le disque a disparu ; relisez-le depuis la recherche.</translation>
    </message>
</context>
<context>
    <name>SyncWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Make the library available offline</source>
        <translation>Rendre disponible hors ligne</translation>
    </message>
    <message>
        <source>Progress of the download</source>
        <translation>Progression du téléchargement</translation>
    </message>
    <message>
        <source>Documents done</source>
        <translation>Documents terminés</translation>
    </message>
    <message>
        <source>Documents: %1 of %2, %3 downloaded</source>
        <translation>Documents : %1 sur %2, %3 téléchargés</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Arrêt en cours...</translation>
    </message>
</context>
<context>
    <name>desktop</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>ni DISPLAY ni WAYLAND_DISPLAY n’est défini</translation>
    </message>
    <message>
        <source>the platform &quot;%1&quot; needs %2, which is not set</source>
        <translation>la plateforme « %1 » a besoin de %2, qui n’est pas défini</translation>
    </message>
</context>
<context>
    <name>faq</name>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Downloading FAQ...</source>
        <translation>Téléchargement de la FAQ...</translation>
    </message>
    <message>
        <source>Error, no file!</source>
        <translation>Erreur, aucun fichier !</translation>
    </message>
    <message>
        <source>the file name %1 is not a plain file name</source>
        <translation>le nom %1 n’est pas un simple nom de fichier</translation>
    </message>
    <message>
        <source>the file name %1 is one of the program&apos;s own files</source>
        <translation>le nom %1 est celui d’un fichier du programme</translation>
    </message>
    <message>
        <source>the file name %1 belongs to a file that is not a FAQ document</source>
        <translation>le nom %1 désigne un fichier qui n’est pas un document FAQ</translation>
    </message>
</context>
<context>
    <name>index</name>
    <message>
        <source>Downloading script...</source>
        <translation>Téléchargement de l’index...</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Offline index of </source>
        <translation>Index hors ligne du </translation>
    </message>
    <message>
        <source>Checking server&apos;s filename for subject: %1</source>
        <translation>Recherche du sujet dans les noms de fichiers du serveur : %1</translation>
    </message>
    <message numerus="yes">
        <source>Found: %n</source>
        <translation>
            <numerusform>Résultat : %n</numerusform>
            <numerusform>Résultats : %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>links</name>
    <message>
        <source>Click here to navigate at %1</source>
        <translation>Cliquez ici pour ouvrir %1</translation>
    </message>
    <message>
        <source>Click here to send mail to %1</source>
        <translation>Cliquez ici pour écrire à %1</translation>
    </message>
    <message>
        <source>Copy Link Address</source>
        <translation>Copier l’adresse du lien</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>veldra: cannot start without a display: %1</source>
        <translation>veldra : impossible de démarrer sans écran : %1</translation>
    </message>
    <message>
        <source>veldra: cannot start without a display: the window system cannot be reached</source>
        <translation>veldra : impossible de démarrer sans écran : le système de fenêtres est injoignable</translation>
    </message>
</context>
<context>
    <name>news</name>
    <message>
        <source>No news to show , because you are offline.<byte value="xd"/>
Select &apos;Get News&apos; in the &apos;On-line&apos; menu if you are online.</source>
        <translation>Aucune actualité à afficher, car vous êtes hors ligne.<byte value="xd"/>
Choisissez « Obtenir les actualités » dans le menu « En ligne » une fois connecté.</translation>
    </message>
    <message>
        <source>Unable to receive news: </source>
        <translation>Impossible de recevoir les actualités : </translation>
    </message>
    <message>
        <source>Could not retrieve news, please check you proxy settings!</source>
        <translation>Impossible de récupérer les actualités, veuillez vérifier vos paramètres de proxy !</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Download news from server...</source>
        <translation>Téléchargement des actualités depuis le serveur...</translation>
    </message>
    <message>
        <source>Offline: news of </source>
        <translation>Hors ligne : actualités du </translation>
    </message>
</context>
<context>
    <name>richtext</name>
    <message>
        <source>The box was closed while the document was loading.</source>
        <translation>La zone a été fermée pendant le chargement du document.</translation>
    </message>
    <message>
        <source>The document load was stopped.</source>
        <translation>Le chargement du document a été interrompu.</translation>
    </message>
    <message>
        <source>Newer text replaced the document while it was loading.</source>
        <translation>Un texte plus récent a remplacé le document pendant son chargement.</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Searches and reads the FAQ library that a web server publishes in /software/corvane/.</source>
        <translation>Recherche et lit la bibliothèque de FAQ qu’un serveur web publie dans /software/corvane/.</translation>
    </message>
    <message>
        <source>Print this summary of the options and exit.</source>
        <translation>Affiche ce résumé des options et quitte.</translation>
    </message>
    <message>
        <source>Print the program&apos;s name and version and exit.</source>
        <translation>Affiche le nom et la version du programme et quitte.</translation>
    </message>
    <message>
        <source>Use the library on the server at &lt;URL&gt; (http or https, for example https://faq.example.org/) instead of the one the program was built for.</source>
        <translation>Utilise la bibliothèque du serveur à l’adresse &lt;URL&gt; (http ou https, par exemple https://faq.example.org/) au lieu de celle pour laquelle le programme a été compilé.</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help lists the options)</source>
        <translation>%1 : %2 (%1 --help affiche les options)</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation : %1 [options]</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2: %3</source>
        <translation>Impossible de copier %1 vers %2 : %3</translation>
    </message>
    <message>
        <source>No folder for offline copies</source>
        <translation>Aucun dossier pour les copies hors ligne</translation>
    </message>
    <message>
        <source>Cannot make the folder </source>
        <translation>Impossible de créer le dossier </translation>
    </message>
    <message>
        <source>No offline copy of </source>
        <translation>Aucune copie hors ligne de </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server address Veldra can use: %2</source>
        <translation>« %1 » n’est pas une adresse de serveur utilisable par Veldra : %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>elle est vide</translation>
    </message>
    <message>
        <source>only http and https addresses are supported</source>
        <translation>seules les adresses http et https sont prises en charge</translation>
    </message>
    <message>
        <source>it names no host</source>
        <translation>elle ne nomme aucun hôte</translation>
    </message>
    <message>
        <source>port 0 is no port</source>
        <translation>le port 0 n’est pas un port</translation>
    </message>
    <message>
        <source>a user name or password is not supported</source>
        <translation>un nom d’utilisateur ou un mot de passe n’est pas pris en charge</translation>
    </message>
    <message>
        <source>it must name a folder, without &quot;?&quot; or &quot;#&quot;</source>
        <translation>elle doit désigner un dossier, sans « ? » ni « # »</translation>
    </message>
    <message>
        <source>cannot write </source>
        <translation>écriture impossible : </translation>
    </message>
    <message>
        <source>C</source>
        <comment>the locale the dates are written in</comment>
        <translation>fr</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date format</comment>
        <translation>d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>store</name>
    <message>
        <source>The library store %1 cannot be used: %2</source>
        <translation>La base de la bibliothèque %1 est inutilisable : %2</translation>
    </message>
    <message>
        <source>The library store takes no document named &quot;%1&quot;.</source>
        <translation>La base de la bibliothèque n’accepte aucun document nommé « %1 ».</translation>
    </message>
    <message>
        <source>The path of %1 is too long for the library store.</source>
        <translation>Le chemin de %1 est trop long pour la base de la bibliothèque.</translation>
    </message>
    <message>
        <source>No more than %1 bookmarks can be kept.</source>
        <translation>Il n’est pas possible de garder plus de %1 signets.</translation>
    </message>
    <message>
        <source>The library store %1 cannot be searched: %2</source>
        <translation>Impossible de chercher dans la base de la bibliothèque %1 : %2</translation>
    </message>
    <message>
        <source>The damaged library store %1 cannot be removed.</source>
        <translation>La base endommagée de la bibliothèque %1 ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>The damaged library store&apos;s log %1 cannot be removed.</source>
        <translation>Le journal %1 de la base endommagée de la bibliothèque ne peut pas être supprimé.</translation>
    </message>
    <message>
        <source>The folder %1 for the library store cannot be made.</source>
        <translation>Le dossier %1 de la base de la bibliothèque ne peut pas être créé.</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>un tube</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>une socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>no ordinary file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is a link, which is not read</source>
        <translation>%1 est un lien, qui n’est pas lu</translation>
    </message>
    <message>
        <source>%1 is %2, not a file</source>
        <translation>%1 est %2, pas un fichier</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>no new file name could be found in its folder</source>
        <translation>aucun nouveau nom de fichier n’a pu être trouvé dans son dossier</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>le fichier n’est pas ouvert</translation>
    </message>
    <message>
        <source>it is a link, a folder or a program file</source>
        <translation>c’est un lien, un dossier ou un fichier de programme</translation>
    </message>
</context>
<context>
    <name>transfer</name>
    <message>
        <source>its certificate is for another host than %1</source>
        <translation>son certificat concerne un autre hôte que %1</translation>
    </message>
    <message>
        <source>its certificate has expired</source>
        <translation>son certificat a expiré</translation>
    </message>
    <message>
        <source>its certificate is not valid yet</source>
        <translation>son certificat n’est pas encore valide</translation>
    </message>
    <message>
        <source>its certificate is self-signed, and not trusted</source>
        <translation>son certificat est auto-signé et non reconnu</translation>
    </message>
    <message>
        <source>its certificate was issued by an authority that is not trusted</source>
        <translation>son certificat a été émis par une autorité non reconnue</translation>
    </message>
    <message>
        <source>its certificate has been revoked</source>
        <translation>son certificat a été révoqué</translation>
    </message>
    <message>
        <source>its certificate is not meant for a server</source>
        <translation>son certificat n’est pas destiné à un serveur</translation>
    </message>
    <message>
        <source>its certificate is not accepted (%1)</source>
        <translation>son certificat n’est pas accepté (%1)</translation>
    </message>
    <message>
        <source>The document arrived incomplete: the server %1 after %2 bytes</source>
        <translation>Le document est arrivé incomplet : après %2 octets, le serveur a %1</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 octets sur %2</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>sent an invalid chunk size</source>
        <translation>envoyé une taille de bloc invalide</translation>
    </message>
    <message>
        <source>sent a malformed chunk</source>
        <translation>envoyé un bloc mal formé</translation>
    </message>
    <message>
        <source>The connection to %1 was reset before an answer arrived</source>
        <translation>La connexion à %1 a été réinitialisée avant toute réponse</translation>
    </message>
    <message>
        <source>The connection to %1 failed: %2</source>
        <translation>La connexion à %1 a échoué : %2</translation>
    </message>
    <message>
        <source>The document arrived incomplete: the connection was reset after </source>
        <translation>Le document est arrivé incomplet : la connexion a été réinitialisée après </translation>
    </message>
    <message>
        <source>The document arrived incomplete after %1: %2</source>
        <translation>Le document est arrivé incomplet après %1 : %2</translation>
    </message>
    <message>
        <source>The proxy server refused to connect to %1 (HTTP %2)</source>
        <translation>Le serveur proxy a refusé de se connecter à %1 (HTTP %2)</translation>
    </message>
    <message>
        <source>The proxy server %1 refused to connect to %2 (HTTP %3)</source>
        <translation>Le serveur proxy %1 a refusé de se connecter à %2 (HTTP %3)</translation>
    </message>
    <message>
        <source>Host not found: </source>
        <translation>Hôte introuvable : </translation>
    </message>
    <message>
        <source>Proxy server not found: </source>
        <translation>Serveur proxy introuvable : </translation>
    </message>
    <message>
        <source>Connection refused by </source>
        <translation>Connexion refusée par </translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Impossible de se connecter à %1 : %2</translation>
    </message>
    <message>
        <source>Time-out: </source>
        <translation>Délai dépassé : </translation>
    </message>
    <message>
        <source>The server closed the connection in the middle of its answer</source>
        <translation>Le serveur a fermé la connexion au milieu de sa réponse</translation>
    </message>
    <message>
        <source>The document arrived incomplete: the server closed the connection after </source>
        <translation>Le document est arrivé incomplet : le serveur a fermé la connexion après </translation>
    </message>
    <message>
        <source>The document cannot be used: the server sent it in an encoding that cannot be decoded (%1)</source>
        <translation>Le document est inutilisable : le serveur l’a envoyé dans un encodage impossible à décoder (%1)</translation>
    </message>
    <message>
        <source>More than %1 redirects from %2</source>
        <translation>Plus de %1 redirections depuis %2</translation>
    </message>
    <message>
        <source>Not an http or https address: </source>
        <translation>Ce n’est pas une adresse http ou https : </translation>
    </message>
    <message>
        <source>The server %1 could not be verified: %2</source>
        <translation>Le serveur %1 n’a pas pu être vérifié : %2</translation>
    </message>
    <message>
        <source>The certificate authorities in %1 (SSL_CERT_FILE) cannot be read</source>
        <translation>Les autorités de certification de %1 (SSL_CERT_FILE) sont illisibles</translation>
    </message>
    <message>
        <source>The system&apos;s certificate authorities cannot be read: </source>
        <translation>Les autorités de certification du système sont illisibles : </translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2</source>
        <translation>La connexion sécurisée à %1 a échoué : %2</translation>
    </message>
    <message>
        <source>The transfer was cancelled because its window was closed</source>
        <translation>Le transfert a été annulé car sa fenêtre a été fermée</translation>
    </message>
    <message>
        <source>The network library could not be set up</source>
        <translation>La bibliothèque réseau n’a pas pu être initialisée</translation>
    </message>
    <message>
        <source>Invalid proxy setting &quot;%1&quot;: &quot;%2&quot; is no host name</source>
        <translation>Paramètre de proxy invalide « %1 » : « %2 » n’est pas un nom d’hôte</translation>
    </message>
    <message>
        <source>The %1 of the stored copy cannot be sent to the server</source>
        <translation>La valeur %1 de la copie enregistrée ne peut pas être envoyée au serveur</translation>
    </message>
    <message>
        <source>The network library cannot be used: </source>
        <translation>La bibliothèque réseau est inutilisable : </translation>
    </message>
    <message numerus="yes">
        <source>%n second</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>the proxy server</source>
        <translation>le serveur proxy</translation>
    </message>
    <message>
        <source>the proxy server %1</source>
        <translation>le serveur proxy %1</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password (HTTP 407)</source>
        <translation>Le serveur proxy demande un nom d’utilisateur et un mot de passe (HTTP 407)</translation>
    </message>
    <message>
        <source>The proxy server %1 requires a user name and password (HTTP 407)</source>
        <translation>Le serveur proxy %1 demande un nom d’utilisateur et un mot de passe (HTTP 407)</translation>
    </message>
    <message>
        <source>The proxy server %1 closed the connection without answering</source>
        <translation>Le serveur proxy %1 a fermé la connexion sans répondre</translation>
    </message>
    <message>
        <source>The server %1 closed the connection without answering</source>
        <translation>Le serveur %1 a fermé la connexion sans répondre</translation>
    </message>
    <message>
        <source>Time-out: no answer from %1 within %2</source>
        <translation>Délai dépassé : aucune réponse de %1 en %2</translation>
    </message>
    <message>
        <source>Time-out: the document from %1 did not arrive within %2</source>
        <translation>Délai dépassé : le document de %1 n’est pas arrivé en %2</translation>
    </message>
    <message>
        <source>Time-out: the document from %1 arrived at less than %2 a second for %3</source>
        <translation>Délai dépassé : le document de %1 est arrivé à moins de %2 par seconde pendant %3</translation>
    </message>
    <message>
        <source>The document exceeds the size limit of %1</source>
        <translation>Le document dépasse la taille maximale de %1</translation>
    </message>
    <message>
        <source>Redirect to %1 refused: </source>
        <translation>Redirection vers %1 refusée : </translation>
    </message>
    <message>
        <source>a secure https address is never left for a plain http one</source>
        <translation>une adresse https sécurisée n’est jamais quittée pour une simple adresse http</translation>
    </message>
    <message>
        <source>only http and https addresses are followed</source>
        <translation>seules les adresses http et https sont suivies</translation>
    </message>
    <message>
        <source>The transfer was cancelled</source>
        <translation>Le transfert a été annulé</translation>
    </message>
    <message>
        <source>Invalid proxy setting &quot;%1&quot;: </source>
        <translation>Paramètre de proxy invalide « %1 » : </translation>
    </message>
    <message>
        <source>no proxy server is named</source>
        <translation>aucun serveur proxy n’est indiqué</translation>
    </message>
    <message>
        <source>the port must be a whole number from 1 to 65535</source>
        <translation>le port doit être un nombre entier de 1 à 65535</translation>
    </message>
    <message>
        <source>%1 lacks a function the program needs</source>
        <translation>il manque à %1 une fonction dont le programme a besoin</translation>
    </message>
    <message>
        <source>%1 could not be initialised</source>
        <translation>%1 n’a pas pu être initialisée</translation>
    </message>
    <message>
        <source>The network library cannot be loaded: </source>
        <translation>Impossible de charger la bibliothèque réseau : </translation>
    </message>
</context>
</TS>
