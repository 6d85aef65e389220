#!/usr/bin/env python3
"""Writes cells.odt (or the file named on the command line): the table of
cells.html as an OpenDocument text, for AbiWord's OpenDocument import."""
import sys
import zipfile

CONTENT = """<?xml version="1.0" encoding="UTF-8"?>
<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" office:version="1.2">
<office:automatic-styles>
 <style:style style:name="Outer" style:family="table"><style:table-properties style:width="17cm" table:align="left"/></style:style>
 <style:style style:name="Outer.A" style:family="table-column"><style:table-column-properties style:column-width="5.5cm"/></style:style>
 <style:style style:name="Outer.B" style:family="table-column"><style:table-column-properties style:column-width="6cm"/></style:style>
 <style:style style:name="Inner" style:family="table"><style:table-properties style:width="5.5cm" table:align="left"/></style:style>
 <style:style style:name="Inner.A" style:family="table-column"><style:table-column-properties style:column-width="2.75cm"/></style:style>
 <style:style style:name="Cell" style:family="table-cell"><style:table-cell-properties fo:padding="0.1cm" fo:border="0.5pt solid #000000"/></style:style>
</office:automatic-styles>
<office:body><office:text>
<text:p>Before the table.</text:p>
<table:table table:name="Outer" table:style-name="Outer">
 <table:table-column table:style-name="Outer.A"/>
 <table:table-column table:style-name="Outer.B"/>
 <table:table-column table:style-name="Outer.A"/>
 <table:table-row>
  <table:table-cell table:style-name="Cell" table:number-rows-spanned="2"><text:p>Fruit</text:p></table:table-cell>
  <table:table-cell table:style-name="Cell">
   <text:list text:style-name="Bullets">
    <text:list-item><text:p>Apples</text:p></text:list-item>
    <text:list-item><text:p>Pears</text:p></text:list-item>
   </text:list>
  </table:table-cell>
  <table:table-cell table:style-name="Cell">
   <text:list text:style-name="Numbers">
    <text:list-item><text:p>First step</text:p></text:list-item>
    <text:list-item><text:p>Second step</text:p></text:list-item>
   </text:list>
  </table:table-cell>
 </table:table-row>
 <table:table-row>
  <table:covered-table-cell/>
  <table:table-cell table:style-name="Cell">
   <text:p>Outer text</text:p>
   <table:table table:name="Inner" table:style-name="Inner">
    <table:table-column table:style-name="Inner.A" table:number-columns-repeated="2"/>
    <table:table-row>
     <table:table-cell table:style-name="Cell"><text:p>Inner 1</text:p></table:table-cell>
     <table:table-cell table:style-name="Cell"><text:list text:style-name="Bullets"><text:list-item><text:p>Inner 2</text:p></text:list-item></text:list></table:table-cell>
    </table:table-row>
    <table:table-row>
     <table:table-cell table:style-name="Cell"><text:p>Inner 3</text:p></table:table-cell>
     <table:table-cell table:style-name="Cell"><text:p>Inner 4</text:p></table:table-cell>
    </table:table-row>
   </table:table>
   <text:p>Below inner</text:p>
  </table:table-cell>
  <table:table-cell table:style-name="Cell"><text:p>First paragraph.</text:p><text:p>Second paragraph.</text:p></table:table-cell>
 </table:table-row>
 <table:table-row>
  <table:table-cell table:style-name="Cell" table:number-columns-spanned="2"><text:p>Wide cell</text:p></table:table-cell>
  <table:covered-table-cell/>
  <table:table-cell table:style-name="Cell"><text:p>Last</text:p></table:table-cell>
 </table:table-row>
</table:table>
<text:p>After the table.</text:p>
</office:text></office:body></office:document-content>
"""

STYLES = """<?xml version="1.0" encoding="UTF-8"?>
<office:document-styles xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" office:version="1.2">
<office:styles>
 <text:list-style style:name="Bullets">
  <text:list-level-style-bullet text:level="1" text:bullet-char="•">
   <style:list-level-properties text:list-level-position-and-space-mode="label-alignment">
    <style:list-level-label-alignment text:label-followed-by="listtab" fo:text-indent="-0.635cm" fo:margin-left="1.27cm"/>
   </style:list-level-properties>
  </text:list-level-style-bullet>
 </text:list-style>
 <text:list-style style:name="Numbers">
  <text:list-level-style-number text:level="1" style:num-suffix="." style:num-format="1">
   <style:list-level-properties text:list-level-position-and-space-mode="label-alignment">
    <style:list-level-label-alignment text:label-followed-by="listtab" fo:text-indent="-0.635cm" fo:margin-left="1.27cm"/>
   </style:list-level-properties>
  </text:list-level-style-number>
 </text:list-style>
</office:styles>
</office:document-styles>
"""

MANIFEST = """<?xml version="1.0" encoding="UTF-8"?>
<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2">
 <manifest:file-entry manifest:full-path="/" manifest:media-type="application/vnd.oasis.opendocument.text"/>
 <manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>
 <manifest:file-entry manifest:full-path="styles.xml" manifest:media-type="text/xml"/>
</manifest:manifest>
"""

with zipfile.ZipFile(sys.argv[1] if len(sys.argv) > 1 else "cells.odt", "w") as z:
    z.writestr("mimetype", "application/vnd.oasis.opendocument.text", compress_type=zipfile.ZIP_STORED)
    z.writestr("META-INF/manifest.xml", MANIFEST, compress_type=zipfile.ZIP_DEFLATED)
    z.writestr("content.xml", CONTENT, compress_type=zipfile.ZIP_DEFLATED)
    z.writestr("styles.xml", STYLES, compress_type=zipfile.ZIP_DEFLATED)
