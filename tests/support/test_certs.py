#!/usr/bin/env python3
"""Certificates for the HTTPS tests, made with the openssl command.

test_certs.py DIR writes into DIR (and prints DIR when done):
  ca.pem                  a certificate authority the tests trust (SSL_CERT_FILE)
  valid.pem, valid.key    for 127.0.0.1 and localhost, issued by that authority
  expired.pem/.key        the same names, expired yesterday
  otherhost.pem/.key      issued by the authority for other.example only
  selfsigned.pem/.key     for 127.0.0.1 and localhost, signed by itself
Elliptic-curve keys keep it fast. Nothing here is trusted by the system.
"""
import os
import subprocess
import sys

LOOPBACK = "subjectAltName=IP:127.0.0.1,DNS:localhost"


def openssl(*args, cwd):
    subprocess.run(["openssl", *args], cwd=cwd, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)


def new_key(name, cwd):
    openssl("genpkey", "-algorithm", "EC", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-out", name + ".key",
            cwd=cwd)


def issued(name, subject, ext, days, cwd):
    """A certificate for `subject` with the extension line `ext`, issued by the test authority."""
    new_key(name, cwd)
    openssl("req", "-new", "-key", name + ".key", "-subj", subject, "-out", name + ".csr", cwd=cwd)
    with open(os.path.join(cwd, name + ".ext"), "w") as f:
        f.write(ext + "\nbasicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\n")
    # A negative number of days ends the certificate before it starts: expired.
    openssl("x509", "-req", "-in", name + ".csr", "-CA", "ca.pem", "-CAkey", "ca.key", "-CAcreateserial",
            "-days", str(days), "-extfile", name + ".ext", "-out", name + ".pem", cwd=cwd)


def make_certs(folder):
    os.makedirs(folder, exist_ok=True)
    new_key("ca", folder)
    openssl("req", "-x509", "-new", "-key", "ca.key", "-subj", "/CN=Veldra test authority", "-days", "30",
            "-addext", "basicConstraints=critical,CA:TRUE", "-addext", "keyUsage=critical,keyCertSign,cRLSign",
            "-out", "ca.pem", cwd=folder)
    issued("valid", "/CN=127.0.0.1", LOOPBACK, 30, folder)
    issued("expired", "/CN=127.0.0.1", LOOPBACK, -1, folder)
    issued("otherhost", "/CN=other.example", "subjectAltName=DNS:other.example", 30, folder)
    new_key("selfsigned", folder)
    openssl("req", "-x509", "-new", "-key", "selfsigned.key", "-subj", "/CN=127.0.0.1", "-days", "30",
            "-addext", LOOPBACK, "-out", "selfsigned.pem", cwd=folder)
    return folder


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: test_certs.py DIR")
    print(make_certs(sys.argv[1]), flush=True)
