<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>KTcpClient</name>
    <message>
        <source>Success!</source>
        <translation>成功！</translation>
    </message>
    <message>
        <source>Process Exception!</source>
        <translation>处理异常！</translation>
    </message>
    <message>
        <source>Receiving data failed!</source>
        <translation>接收数据失败！</translation>
    </message>
    <message>
        <source>The device is occupied!</source>
        <translation>设备被占用！</translation>
    </message>
    <message>
        <source>Space Not Enough!</source>
        <translation>空间不足！</translation>
    </message>
    <message>
        <source>File Not Found!</source>
        <translation>文件未找到！</translation>
    </message>
    <message>
        <source>Read File Fail!</source>
        <translation>读取文件失败！</translation>
    </message>
    <message>
        <source>System Error!</source>
        <translation>系统错误！</translation>
    </message>
    <message>
        <source>Remove File Fail!</source>
        <translation>删除文件失败！</translation>
    </message>
    <message>
        <source>Send Finish!</source>
        <translation>发送完成！</translation>
    </message>
    <message>
        <source>Create File Fail!</source>
        <translation>创建文件失败！</translation>
    </message>
    <message>
        <source>Write File Fail!</source>
        <translation>写入文件失败！</translation>
    </message>
    <message>
        <source>Close File Fail!</source>
        <translation>关闭文件失败！</translation>
    </message>
    <message>
        <source>New Object Fail!</source>
        <translation>创建对象失败！</translation>
    </message>
    <message>
        <source>Send Data Fail!</source>
        <translation>发送数据失败！</translation>
    </message>
    <message>
        <source>Connect the device failure!</source>
        <translation>连接设备失败！</translation>
    </message>
    <message>
        <source>Device is disconnected!</source>
        <translation>设备已断开！</translation>
    </message>
    <message>
        <source>Cancel Send!</source>
        <translation>取消发送！</translation>
    </message>
    <message>
        <source>Open File Fail!</source>
        <translation>打开文件失败！</translation>
    </message>
    <message>
        <source>Init Fail!</source>
        <translation>初始化失败！</translation>
    </message>
    <message>
        <source>Failure to set the time!</source>
        <translation>设置时间失败！</translation>
    </message>
    <message>
        <source>ID is not found in the list of devices!</source>
        <translation>设备列表中找不到该ID！</translation>
    </message>
    <message>
        <source>Upgrade Fail!</source>
        <translation>升级失败！</translation>
    </message>
    <message>
        <source>Parse Data Fail!</source>
        <translation>解析数据失败！</translation>
    </message>
    <message>
        <source>Version is too low!</source>
        <translation>版本过低！</translation>
    </message>
    <message>
        <source>Unzip the package fails!</source>
        <translation>解压升级包失败！</translation>
    </message>
    <message>
        <source>Upgrade package error!</source>
        <translation>升级包错误！</translation>
    </message>
    <message>
        <source>Unknow!</source>
        <translation>未知！</translation>
    </message>
</context>
<context>
    <name>Ky::KAppConfig</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>Ky::KEffectNode</name>
    <message>
        <source>Move Left</source>
        <translation>左移</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>右移</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Cover Left</source>
        <translation>左覆盖</translation>
    </message>
    <message>
        <source>Cover Right</source>
        <translation>右覆盖</translation>
    </message>
    <message>
        <source>Cover Up</source>
        <translation>上覆盖</translation>
    </message>
    <message>
        <source>Cover Down</source>
        <translation>下覆盖</translation>
    </message>
    <message>
        <source>Top Left Cover</source>
        <translation>左上覆盖</translation>
    </message>
    <message>
        <source>Bottom Left Covert</source>
        <translation>左下覆盖</translation>
    </message>
    <message>
        <source>Top Right Cover</source>
        <translation>右上覆盖</translation>
    </message>
    <message>
        <source>Bottom Right Cover</source>
        <translation>右下覆盖</translation>
    </message>
    <message>
        <source>Open From Middle</source>
        <translation>从中间展开</translation>
    </message>
    <message>
        <source>Up Down Open</source>
        <translation>上下展开</translation>
    </message>
    <message>
        <source>Close From Middle</source>
        <translation>向中间合拢</translation>
    </message>
    <message>
        <source>Up Down Close</source>
        <translation>上下合拢</translation>
    </message>
    <message>
        <source>Gradual Change</source>
        <translation>渐变</translation>
    </message>
    <message>
        <source>Horizontal Blinds</source>
        <translation>水平百叶窗</translation>
    </message>
    <message>
        <source>Vertical Blinds</source>
        <translation>垂直百叶窗</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>Immediate Show</source>
        <translation>立即显示</translation>
    </message>
    <message>
        <source>Immediate Clear</source>
        <translation>立即清除</translation>
    </message>
    <message>
        <source>Don&apos;t Clear Screen</source>
        <translation>不清屏</translation>
    </message>
</context>
<context>
    <name>Ky::KFrame</name>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>静止</translation>
    </message>
</context>
</TS>
