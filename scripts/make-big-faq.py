#!/usr/bin/env python3
"""Writes the sample library's large answer, network-handbook.txt (over 1 MB).

The handbook is a casebook: every symptom is worked through for every kind of
connection and every program, so that the reader and the search have a real,
large document to chew on. The output is Windows-1252 with CR LF line ends,
like every other file of the library, and is the same on every run.

Usage: make-big-faq.py [OUTPUT]   (default: library/software/corvane/network-handbook.txt)
"""
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_OUT = os.path.join(ROOT, "library", "software", "corvane", "network-handbook.txt")

HEADER = [
    "Subject=Network troubleshooting handbook (collected cases)",
    "Author=Network help desk",
    "AuthorEMAIL=helpdesk@example.com",
    "Version=5.0",
    "AuthorWEBSITE=http://www.example.com/helpdesk/handbook/",
]

INTRO = [
    "This handbook collects the cases the network help desk has worked through, sorted by symptom.",
    "Each case names the symptom, the kind of connection and the program where it was seen,",
    "the checks to make first and the steps that solved it.",
    "",
    "How to use it: search this page for the symptom you see (Ctrl+F in most programs after copying the text),",
    "then read the case that matches your connection. The first steps are always the cheapest ones.",
    "",
    "The addresses in this handbook are examples: 192.0.2.x and 198.51.100.x are documentation addresses,",
    "and example.org, example.com and example.net stand for the servers of your own organisation.",
    "",
]

# (title, what the user sees, first checks, steps, how it ended)
SYMPTOMS = [
    ("No connection at all", "the network icon shows a cross and nothing opens",
     ["Is the cable plugged in at both ends, or is Wi-Fi switched on?", "Does another device on the same network work?"],
     ["Unplug the cable or switch Wi-Fi off and on again.", "Restart the router and wait two minutes.",
      "Look at the link light on the network socket; no light means a cable or port fault."],
     "the cable had come loose behind the desk"),
    ("Web pages load slowly", "pages take twenty seconds or more, then appear complete",
     ["Is someone on the same network downloading or streaming?", "Is only one site slow, or all of them?"],
     ["Run a speed test from another device for comparison.", "Pause large downloads and cloud synchronisation.",
      "Try a cable instead of Wi-Fi for one test."],
     "a backup program was uploading several gigabytes in the background"),
    ("Connection drops every few minutes", "pages stop loading, then work again after a short while",
     ["Does it happen on battery only?", "Does it happen at the same time every day?"],
     ["Switch off power saving for the network card.", "Update the router's firmware.",
      "Move the router away from microwaves and cordless phones."],
     "the laptop put its wireless card to sleep on battery"),
    ("Names do not resolve", "messages say Host not found although the network icon looks fine",
     ["Does ping to a number such as 192.0.2.1 work?", "Does ping to www.example.org fail?"],
     ["Disconnect and connect again to get fresh settings.", "Restart the router, which hands out the name server.",
      "Ask the administrator whether the name server is down."],
     "the router had lost its upstream name server after a power cut"),
    ("Proxy asks for a password", "a login window appears in the browser and other programs fail",
     ["Is the proxy set up in the browser, the desktop and the program?", "Did your password change recently?"],
     ["Enter the new password in the browser's proxy login.", "Ask for an exception for the library server.",
      "Set the same proxy in Veldra's proxy settings."],
     "the password had expired and the proxy refused the old one"),
    ("Mail cannot be sent", "mail stays in the outbox with an error about the server",
     ["Is the outgoing server name right?", "Is port 587 used with STARTTLS?"],
     ["Switch on authentication for the outgoing server.", "Check the user name: often it is the full address.",
      "Try again from another network to rule out a blocked port."],
     "the outgoing server needed authentication that was switched off"),
    ("Mail is not received", "the inbox does not update although others have sent mail",
     ["Does webmail show the new messages?", "Is the mail program working offline?"],
     ["Switch the program back to online mode.", "Check the incoming server name and port 993.",
      "Remove and add the account again if the settings look right."],
     "the mail program had been set to work offline"),
    ("Printer not found", "the print dialog lists no printer or shows it as offline",
     ["Is the printer switched on and on the same network?", "Does its own display show an address?"],
     ["Print a network configuration page from the printer's menu.", "Add the printer again by its address.",
      "Give the printer a fixed address in the router so it stops moving."],
     "the printer had received a new address from the router"),
    ("Shared folder unreachable", "the file manager says the share cannot be opened",
     ["Does the server answer ping?", "Did your password change?"],
     ["Open the share by its address instead of its name.", "Enter the user name with the domain in front.",
      "Ask whether the share was moved to another server."],
     "the share had moved to a new server with another name"),
    ("Video calls stutter", "the picture freezes and the voice drops out during calls",
     ["Is the problem on your side or the other side?", "Is the upload speed at least 2 Mbit/s?"],
     ["Close other programs that use the network.", "Use a cable for important calls.",
      "Switch off your own video to save bandwidth."],
     "a cloud drive was uploading photos during the call"),
    ("Certificate warning", "the browser warns that the connection is not private",
     ["Is the computer's date and time correct?", "Does the warning appear on every site or only on one?"],
     ["Correct the date and time and switch on automatic time.", "Do not continue to sites that ask for passwords.",
      "Tell the site's owner if only one site is affected."],
     "the computer clock was two years behind after a battery change"),
    ("Captive portal does not appear", "the hotel or café network is connected but no sign-in page shows",
     ["Does a plain http address open?", "Is a VPN or a fixed name server set?"],
     ["Open http://www.example.net/ to trigger the sign-in page.", "Switch the VPN off until you are signed in.",
      "Use the network's own name server while signing in."],
     "a fixed name server stopped the portal from taking over the page"),
    ("VPN connects but nothing works", "the VPN says connected but no internal page opens",
     ["Do internal names resolve?", "Do outside sites still work?"],
     ["Disconnect and connect again.", "Check that the VPN sends name lookups to the company name server.",
      "Ask the administrator for the current VPN profile."],
     "the VPN profile was out of date after a server move"),
    ("Downloads stop halfway", "large files stop at some percent and cannot be resumed",
     ["Is the disk full?", "Does the same file download on another network?"],
     ["Free some disk space.", "Pause other downloads.", "Use a download program that can resume."],
     "the disk was full because of old downloads"),
    ("Veldra shows a connection error at start-up", "Error while connecting to server using HTTP protocol",
     ["Does the browser reach http://faq.example.org/software/corvane/script.txt?", "Does the browser use a proxy?"],
     ["Enter the same proxy in Veldra's proxy settings.", "Check the name service (see the DNS answer).",
      "Start Veldra again once the browser reaches the library."],
     "the office proxy had to be entered in Veldra as well"),
    ("Veldra shows no news", "the news page says the news could not be retrieved",
     ["Did the start-up show an error about the index too?", "Is a sign-in page waiting on a public network?"],
     ["Sign in to the public network first.", "Check the proxy settings.", "Start Veldra again."],
     "the café's sign-in page answered instead of the library server"),
    ("Answer does not open in Veldra", "Read shows an error or the reader stays empty",
     ["Does the index still list the answer?", "Can you reach the library server in a browser?"],
     ["Search again and click the subject once before Read.", "Check the network and the proxy.",
      "Tell the library editors about answers that fail every time."],
     "the answer had been renamed on the server but not in the index"),
    ("Slow Wi-Fi in one room", "everything is fine near the router and slow elsewhere",
     ["How many walls are between the router and the room?", "Is the 5 GHz network used far from the router?"],
     ["Use the 2.4 GHz network in distant rooms.", "Move the router higher and more central.",
      "Add a second access point connected by cable."],
     "a concrete wall and a radiator stood between router and desk"),
    ("Address conflict", "a message says another device uses the same address",
     ["Was an address set by hand on any device?", "Was a second router plugged in recently?"],
     ["Set all devices to obtain an address automatically.", "Remove the second router or switch off its address service.",
      "Restart the devices that showed the message."],
     "a second router handed out addresses from the same range"),
    ("Time-outs on one website", "one site never loads while all others work",
     ["Does the site load on a phone using mobile data?", "Does the site load by its numeric address?"],
     ["Clear the browser cache for that site.", "Check the hosts file for an old entry.",
      "Wait: the site itself may be down."],
     "an old line in the hosts file pointed the site to a retired server"),
]

# (connection, a note that belongs to it)
SETUPS = [
    ("home network, Wi-Fi", "home routers restart well; switch off for ten seconds first"),
    ("home network, cable", "a cable connection rules out most radio problems"),
    ("office network, cable, no proxy", "the office firewall may still block unusual ports"),
    ("office network, cable, through a proxy", "every program needs the proxy set, not just the browser"),
    ("office network, Wi-Fi, through a proxy", "the guest Wi-Fi usually has no proxy but fewer rights"),
    ("school network with content filter", "the filter may block sites by category; ask the school office"),
    ("public Wi-Fi (café, hotel, train)", "sign in on the portal page before anything else"),
    ("mobile hotspot from a phone", "data limits slow the hotspot down once reached"),
    ("VPN from home", "the VPN decides which traffic goes to the office"),
    ("shared house network", "one busy flatmate can fill the whole connection"),
]

# (program, what to try in it)
PROGRAMS = [
    ("the web browser", "open a private window to rule out a broken cache or add-on"),
    ("the mail program", "look at the connection log in the account settings"),
    ("Veldra", "restart it once the network works; it fetches index and news at every start"),
    ("the office suite's cloud storage", "pause synchronisation until the connection is stable"),
    ("the video call program", "run its built-in test call before blaming the network"),
    ("the system update tool", "run the update again later; it resumes where it stopped"),
    ("the file manager", "type the server address into the location bar instead of browsing"),
    ("the printer dialog", "print a test page from the printer's own menu as well"),
    ("a game launcher", "check whether the launcher has its own proxy setting"),
]


def field(text):
    """One line of the answer; a line with commas is quoted so it stays one line in the reader."""
    if "," in text:
        if '"' in text:
            raise ValueError("a quoted line cannot hold a double quote: " + text)
        return '"' + text + '"'
    return text


def cases():
    n = 0
    for title, seen, checks, steps, ending in SYMPTOMS:
        yield [f"CHAPTER: {title.upper()}", ""]
        for setup, note in SETUPS:
            for program, hint in PROGRAMS:
                n += 1
                lines = [
                    f"CASE {n:04d}: {title} – {setup}",
                    f"Reported with {program}: {seen}.",
                    "Check first:",
                ]
                lines += [f"  • {c}" for c in checks]
                lines.append("Steps that helped:")
                lines += [f"  {i}. {s}" for i, s in enumerate(steps, 1)]
                lines.append(f"Note for this connection: {note}.")
                lines.append(f"With {program}: {hint}.")
                lines.append(f"In this case {ending}.")
                lines.append(f"Case page: www.example.com/helpdesk/cases/{n:04d}")
                lines.append("")
                yield lines


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUT
    lines = list(HEADER) + ["[Body]"] + INTRO
    for block in cases():
        lines += block
    lines += [
        "END OF THE HANDBOOK",
        "Missing a case? Send it to helpdesk@example.com with the symptom, the connection and the program.",
        "[/body]",
    ]
    text = "\r\n".join(field(line) for line in lines) + "\r\n"
    data = text.encode("cp1252")
    with open(out, "wb") as f:
        f.write(data)
    print(f"{out}: {len(data)} bytes")


if __name__ == "__main__":
    main()
