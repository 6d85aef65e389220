<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>FindBar</name>
    <message>
        <source>Find in document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to find in the document; Enter finds the next match, Shift+Enter the previous one, Escape closes the bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes to the previous match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes to the next match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the find bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Veldra v%1.%2 - written by the Veldra contributors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to the server...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Veldra contributors. Free software under the MIT licence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments are welcome by e-mail to the authors: veldra@example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the Community News for what is new, or visit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thanks to all the Veldra contributors for their help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No text to search for!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - the download of %1 was cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error while connecting to server using HTTP protocol: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error while connecting to server using FTP protocol: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search on server for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Extra functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving the selection switches between the news, the search and the reader; Enter or Space on Proxy settings or About opens it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon of the selected item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the selected item is for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Community news</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s news from the server; links open in the browser or mail program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search on server for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject to look for in the library&apos;s index; Enter searches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searches the library&apos;s index for the subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents whose entry matches; Enter or a double-click reads the selected one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of matches found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloads the selected document and shows it in the reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject of the document in the reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author of the document in the reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website of the document&apos;s author; a click opens it in the browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version of the document in the reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Further functions for the document in the reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text of the document in the reader; links open in the browser or mail program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>News panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected item</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Edit Proxy Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please fill in the proxy servers to use for each protocol.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name or address of the proxy server for web downloads; empty for none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port of the HTTP proxy server; 0 for no proxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name or address of the proxy server for FTP; empty for none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port of the FTP proxy server; 0 for no proxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 proxy %2</source>
        <extracomment>The name of a proxy box, such as &quot;HTTP proxy server&quot;: the protocol, then the column.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desktop</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the platform &quot;%1&quot; needs %2, which is not set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>faq</name>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading FAQ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, no file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file name %1 is not a plain file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file name %1 is one of the program&apos;s own files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file name %1 belongs to a file that is not a FAQ document</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>index</name>
    <message>
        <source>Downloading script...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offline index of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking server&apos;s filename for subject: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Found: %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>links</name>
    <message>
        <source>Click here to navigate at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to send mail to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>veldra: cannot start without a display: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>news</name>
    <message>
        <source>No news to show , because you are offline.<byte value="xd"/>
Select &apos;Get News&apos; in the &apos;On-line&apos; menu if you are online.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to receive news: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not retrieve news, please check you proxy settings!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download news from server...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offline: news of </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>richtext</name>
    <message>
        <source>The box was closed while the document was loading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document load was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newer text replaced the document while it was loading.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Searches and reads the FAQ library that a web server publishes in /software/corvane/.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print this summary of the options and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the program&apos;s name and version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the library on the server at &lt;URL&gt; (http or https, for example https://faq.example.org/) instead of the one the program was built for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help lists the options)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No folder for offline copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make the folder </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No offline copy of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server address Veldra can use: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only http and https addresses are supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it names no host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port 0 is no port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a user name or password is not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it must name a folder, without &quot;?&quot; or &quot;#&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>store</name>
    <message>
        <source>The library store %1 cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library store takes no document named &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path of %1 is too long for the library store.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No more than %1 bookmarks can be kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library store %1 cannot be searched: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The damaged library store %1 cannot be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The damaged library store&apos;s log %1 cannot be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 for the library store cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no ordinary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link, which is not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no new file name could be found in its folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link, a folder or a program file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>transfer</name>
    <message>
        <source>its certificate is for another host than %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its certificate has expired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its certificate is not valid yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its certificate is self-signed, and not trusted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its certificate was issued by an authority that is not trusted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its certificate has been revoked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its certificate is not meant for a server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its certificate is not accepted (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document arrived incomplete: the server %1 after %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent an invalid chunk size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent a malformed chunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to %1 was reset before an answer arrived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to %1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document arrived incomplete: the connection was reset after </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document arrived incomplete after %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The proxy server refused to connect to %1 (HTTP %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The proxy server %1 refused to connect to %2 (HTTP %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host not found: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy server not found: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection refused by </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-out: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server closed the connection in the middle of its answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document arrived incomplete: the server closed the connection after </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document cannot be used: the server sent it in an encoding that cannot be decoded (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than %1 redirects from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an http or https address: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 could not be verified: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate authorities in %1 (SSL_CERT_FILE) cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system&apos;s certificate authorities cannot be read: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transfer was cancelled because its window was closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network library could not be set up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid proxy setting &quot;%1&quot;: &quot;%2&quot; is no host name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 of the stored copy cannot be sent to the server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network library cannot be used: </source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n second</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the proxy server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the proxy server %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password (HTTP 407)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The proxy server %1 requires a user name and password (HTTP 407)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The proxy server %1 closed the connection without answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 closed the connection without answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-out: no answer from %1 within %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-out: the document from %1 did not arrive within %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-out: the document from %1 arrived at less than %2 a second for %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document exceeds the size limit of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redirect to %1 refused: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a secure https address is never left for a plain http one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only http and https addresses are followed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transfer was cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid proxy setting &quot;%1&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no proxy server is named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port must be a whole number from 1 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldra::shell::Form1</name>
    <message>
        <source>Error while connecting to server using HTTP protocol: %1<byte value="xd"/>
Please check your proxy settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veldra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Community News</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAQ-Reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explore the world of Veldra!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read todays community news</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for solutions on server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure Veldra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure Veldra for use with a proxy server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read your downloaded FAQ here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Veldra and the author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Various options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file downloaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found at character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait, searching...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
