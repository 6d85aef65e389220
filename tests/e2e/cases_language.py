"""End-to-end cases of the program in German and French: LANGUAGE alone picks
the catalogue (LANG stays C), and the tree, the panels, the proxy dialog and a
failure box speak that language. Each function takes the Session of e2e.py."""
import os
import re
import socket
import time

# What each language shows; the accessible names of buttons lose their "&".
TEXTS = {
    "de": {
        "nodes": ["Neuigkeiten", "Lösung suchen", "FAQ-Leser", "Einstellungen", "Proxy-Server", "Mehr", "Über..."],
        "search node": "Lösung suchen", "reader node": "FAQ-Leser", "proxy node": "Proxy-Server",
        "search box": "Auf dem Server suchen nach",
        "search labels": ["Auf dem Server suchen nach:"], "search buttons": ["Suchen", "Lesen"],
        "reader labels": ["Betreff:", "Autor:", "Webseite:", "Version:"], "reader buttons": ["Weitere Funktionen"],
        "found": "Gefunden: ", "results": "Suchergebnisse",
        "dialog": "Proxy-Einstellungen bearbeiten", "dialog labels": ["Protokoll", "Server", "Port"],
        "dialog boxes": ["HTTP-Proxy-Server", "HTTP-Proxy-Port"], "dialog buttons": ["OK", "Abbrechen"],
        "cancel key": "alt+a",
        "error title": "Veldra – Fehler", "error text": "Fehler bei der Verbindung zum Server über das HTTP-Protokoll",
    },
    "fr": {
        "nodes": ["Actualités", "Recherche", "Lecteur de FAQ", "Paramètres", "Serveur proxy", "Plus", "À propos..."],
        "search node": "Recherche", "reader node": "Lecteur de FAQ", "proxy node": "Serveur proxy",
        "search box": "Rechercher sur le serveur",
        "search labels": ["Rechercher sur le serveur\u00a0:"], "search buttons": ["Rechercher", "Lire"],
        "reader labels": ["Sujet\u00a0:", "Auteur\u00a0:", "Site web\u00a0:", "Version\u00a0:"],
        "reader buttons": ["Autres fonctions"],
        "found": "Résultats\u00a0: ", "results": "Résultats de la recherche",
        "dialog": "Modifier les paramètres du proxy", "dialog labels": ["Protocole", "Serveur", "Port"],
        "dialog boxes": ["Serveur proxy HTTP", "Port du proxy HTTP"], "dialog buttons": ["OK", "Annuler"],
        "cancel key": "alt+a",
        "error title": "Veldra – Erreur", "error text": "Erreur lors de la connexion au serveur avec le protocole HTTP",
    },
}


def refused_port():
    """A loopback port nobody listens on: the program's downloads fail at once."""
    with socket.socket() as sock:
        sock.bind(("127.0.0.1", 0))
        return sock.getsockname()[1]


def labelled(s, text, within=None):
    """The first control, shown, whose accessible name starts with text."""
    import pyatspi
    root = within or s.a11y_app()

    def wanted(a):
        try:
            return a.name.startswith(text) and a.getState().contains(pyatspi.STATE_SHOWING)
        except Exception:
            return False

    end = time.time() + 10
    while time.time() < end:
        found = pyatspi.findDescendant(root, wanted)
        if found is not None:
            return found
        time.sleep(0.2)
    s.expect(False, f"nothing shown reads '{text}'")


def title_regex(title):
    """xdotool compares titles as the X server keeps them: Latin-1, or compound
    text beyond it, so a letter outside ASCII stands for a few unknown bytes."""
    return "^" + ".+".join(re.escape(part) for part in re.split(r"[^\x00-\x7f]+", title)) + "$"


def keep(s, name):
    if s.args.shots:
        return lambda wid: s.keep_window(name, wid, s.args.shots)
    return lambda wid: s.shot(name)


def failure_box(s, lang, t):
    """With no server, the index download's box has the language's title and text."""
    s.start_veldra("--server", f"http://127.0.0.1:{refused_port()}/")
    title = title_regex(t["error title"])
    box = s.find_window(title)
    s.focus(box)
    labelled(s, t["error text"])
    keep(s, f"error-{lang}")(box)
    while s.window_shown(title):
        s.focus(s.find_window(title))
        s.key("Return")
    s.main_window()
    s.app.terminate()
    s.app.wait(10)


def panels(s, lang, t):
    s.serve_library()
    s.start_veldra()
    win = s.main_window()
    s.focus(win)
    for text in t["nodes"]:
        s.node(text)
    keep(s, f"news-{lang}")(win)

    s.click_node(t["search node"])
    for text in t["search labels"]:
        s.control(text, "label")
    for text in t["search buttons"]:
        s.control(text, "push button")
    s.click_on(t["search box"], "text")
    s.type("proxy")
    s.key("Return")
    time.sleep(1)
    labelled(s, t["found"])
    table = s.control(t["results"]).queryTable()
    s.expect(table.nRows > 0, "the search listed nothing")
    s.click(*s.centre(table.getAccessibleAt(0, 0)))
    keep(s, f"search-{lang}")(win)
    s.click_on(t["search buttons"][1], "push button")
    time.sleep(2)
    for text in t["reader labels"]:
        s.control(text, "label")
    for text in t["reader buttons"]:
        s.control(text, "push button")
    keep(s, f"reader-{lang}")(win)

    s.click_node(t["proxy node"])
    dlg = s.find_window(title_regex(t["dialog"]))
    s.focus(dlg)
    for text in t["dialog labels"]:
        s.control(text, "label")
    for text in t["dialog boxes"]:
        s.control(text, "text")
    for text in t["dialog buttons"]:
        s.control(text, "push button")
    keep(s, f"proxy-{lang}")(dlg)
    s.key(t["cancel key"])
    s.window_gone(title_regex(t["dialog"]))


def in_language(lang):
    def case(s):
        s.env["LANGUAGE"] = lang
        s.env["LANG"] = "C"
        s.env.pop("LC_ALL", None)
        s.env.pop("LC_MESSAGES", None)
        failure_box(s, lang, TEXTS[lang])
        panels(s, lang, TEXTS[lang])
    case.__doc__ = f"The program in {lang}: tree, panels, proxy dialog and a failure box."
    return case


case_language_de = in_language("de")
case_language_fr = in_language("fr")
