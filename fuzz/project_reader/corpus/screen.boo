<?xml version="1.0" encoding="UTF-8"?>
<Node Level="1" Type="TestScreen">
    <Attribute Name="Height">32</Attribute>
    <Attribute Name="Width">64</Attribute>
    <Attribute Name="__NAME__">S &amp; &lt;1&gt;</Attribute>
    <List Name="communication" Index="1">
        <ListItem IP="127.0.0.1" Note="a&#13;&#10;b"/>
        <ListItem IP="127.0.0.2"/>
    </List>
    <Node Level="2" Type="TestProgram">
        <Node Level="3" Type="TestArea">
            <Attribute Name="X">8</Attribute>
            <Node Level="4" Type="TestMedia">
                <Attribute Name="Text">line&#13;
next</Attribute>
                <List Name="__FileList__" Index="0">
                    <ListItem FileKey="Media" FileName="/media/a.png" MD5="0"/>
                </List>
            </Node>
            <Node Level="4" Type="KY_Video_Plugin">
                <Attribute Name="__NAME__">clip</Attribute>
                <Attribute Name="blank">   </Attribute>
                <!--comment-->
                <Node Level="5" Type="Sub"><Attribute Name="t">x <b/> y</Attribute></Node>
                <Other><![CDATA[raw <text>]]></Other>
            </Node>
        </Node>
    </Node>
</Node>
