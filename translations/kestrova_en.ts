<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>KTcpClient</name>
    <message>
        <source>Success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Process Exception!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiving data failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device is occupied!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space Not Enough!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Not Found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read File Fail!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove File Fail!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Finish!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create File Fail!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write File Fail!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close File Fail!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Object Fail!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Data Fail!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect the device failure!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device is disconnected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Send!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File Fail!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Init Fail!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failure to set the time!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID is not found in the list of devices!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade Fail!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parse Data Fail!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version is too low!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unzip the package fails!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade package error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknow!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ky::KAppConfig</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ky::KEffectNode</name>
    <message>
        <source>Move Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cover Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cover Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cover Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cover Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Left Cover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Left Covert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Right Cover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Right Cover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open From Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up Down Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close From Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up Down Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradual Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal Blinds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Blinds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Immediate Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Immediate Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Clear Screen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ky::KFrame</name>
    <message>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Static</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
